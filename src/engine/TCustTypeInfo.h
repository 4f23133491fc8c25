#pragma once
// One custom file type, as the filter definitions file lists it.

#include <vector>

#include <QString>

namespace kf {

struct TCustTypeInfo {
    QString sName;  // e.g. "Compressed Files"
    QString sTypes; // masks separated by blanks, e.g. "*.ZIP *.RAR "
};

// The process-wide custom type list, in file order.
[[nodiscard]] std::vector<TCustTypeInfo> &CustTypeList();

} // namespace kf
