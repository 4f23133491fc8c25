#pragma once
// One directory entry as the walker read it, before any record is made of it.

#include <cstdint>
#include <string_view>
#include <sys/types.h>

namespace kf {

// Attribute bits, as the records carry them.
inline constexpr int32_t kAttrReadOnly = 1;
inline constexpr int32_t kAttrHidden = 2;
inline constexpr int32_t kAttrSystem = 4;
inline constexpr int32_t kAttrDirectory = 16;
inline constexpr int32_t kAttrArchive = 32;
inline constexpr int32_t kAttrTemporary = 256;
inline constexpr int32_t kAttrCompressed = 2048;
inline constexpr int32_t kAttrOffline = 4096;

struct TDirEntry {
    std::string_view sName; // bytes
    bool bDirectory = false;
    uint64_t cSize = 0;
    int32_t iAttr = 0;
    double LADate = 0;
    double LMDate = 0;
    double CreaDate = 0;
    uint32_t iUid = 0;
    dev_t dev = 0;
};

// Reads the entry `name` of the open folder `dirFd` (not following links). False when it
// vanished or cannot be examined.
bool StatEntry(int dirFd, const char *name, TDirEntry &entry);

} // namespace kf
