#pragma once
// Where the records of one analysis live.
//
// Records are carved out of large blocks so that a million files cost a million small
// headers and no allocator overhead; addresses never move, so views can keep pointers.
// An arena is filled by one thread at a time; a parallel scan gives each worker its own and
// hands them all to the analysis at the end. Destroying the arena frees every record in it,
// including records that operations took out of the tree.

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/TFoldInfo.h"

namespace kf {

class TRecordArena {
public:
    TRecordArena() = default;
    ~TRecordArena();
    TRecordArena(const TRecordArena &) = delete;
    TRecordArena &operator=(const TRecordArena &) = delete;

    // A zeroed record named `name` (truncated to 65535 bytes, which no file system allows).
    TFoldInfo *NewFile(std::string_view name);
    TFolderRec *NewFolder(std::string_view name);

    // Gives `rec` a new name. A name that does not fit where the old one was is stored in
    // this arena, so it must be the arena of the record's analysis (or outlive it).
    void SetName(TFoldInfo *rec, std::string_view name);

    [[nodiscard]] size_t BytesReserved() const { return mBlocks.size() * kBlockSize + mLargeBytes; }

private:
    static constexpr size_t kBlockSize = 1 << 20;
    void *Allocate(size_t bytes);

    std::vector<std::unique_ptr<std::byte[]>> mBlocks;
    std::vector<TFolderRec *> mFolders; // their SubLists need destroying
    std::byte *mCursor = nullptr;
    size_t mLeft = 0;
    size_t mLargeBytes = 0;
};

} // namespace kf
