#pragma once
// Totals of a subtree, and the walk that fills them.

#include <atomic>
#include <cstdint>

#include "engine/TFoldInfo.h"

namespace kf {

struct TFolderInfo {
    double cFoldSize = 0;  // sum of cSize of every file record in the list and below
    uint32_t cFolders = 0; // folder records in the list and below
    uint32_t cFiles = 0;   // file records in the list and below
    double cASize = 0;     // sum of their cASize
    double cWSize = 0;     // wasted: sum of cASize - cSize over those files
};

// Walks `list` depth first. Folder records count only through their children. Empty slots
// (nullptr) are passed over. `stop`, when given, ends the walk early.
[[nodiscard]] TFolderInfo ReadSize(const TFoldInfo::List &list, const std::atomic<bool> *stop = nullptr);

} // namespace kf
