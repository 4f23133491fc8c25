#pragma once
// One row of the per-extension statistics: the analysis keeps one list of them (ExtList),
// and the File Types summary builds more of the same for folders below the root.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QString>

namespace kf {

struct TExtInfo {
    QString sType;
    std::string Ext; // as stored in the records' sExt: dot included, may be empty; bytes
    int32_t iIcon = 0;
    int32_t Files = 0;
    double Size = 0;
    double ASize = 0;
};

using TExtList = std::vector<std::unique_ptr<TExtInfo>>;

// The key under which extensions are compared without regard to case.
[[nodiscard]] std::string ExtKey(std::string_view ext);

} // namespace kf
