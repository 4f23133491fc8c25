#include "engine/TRecordArena.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace kf {

namespace {
constexpr size_t kAlign = alignof(TFolderRec);
constexpr size_t kMinInline = sizeof(const char *); // room for the out-of-line pointer after a rename

size_t RoundUp(size_t n) { return (n + kAlign - 1) & ~(kAlign - 1); }
} // namespace

TRecordArena::~TRecordArena()
{
    for (TFolderRec *folder : mFolders)
        folder->~TFolderRec();
}

void *TRecordArena::Allocate(size_t bytes)
{
    bytes = RoundUp(bytes);
    if (bytes > kBlockSize / 4) {
        // Odd sizes get a block of their own so the current block is not wasted.
        mBlocks.emplace_back(new std::byte[bytes]);
        mLargeBytes += bytes;
        std::byte *own = mBlocks.back().get();
        if (mBlocks.size() >= 2)
            std::swap(mBlocks[mBlocks.size() - 1], mBlocks[mBlocks.size() - 2]);
        return own;
    }
    if (bytes > mLeft) {
        mBlocks.emplace_back(new std::byte[kBlockSize]);
        mCursor = mBlocks.back().get();
        mLeft = kBlockSize;
    }
    void *p = mCursor;
    mCursor += bytes;
    mLeft -= bytes;
    return p;
}

TFoldInfo *TRecordArena::NewFile(std::string_view name)
{
    name = name.substr(0, UINT16_MAX);
    // The name starts inside the header (mName) and runs on into the same block.
    void *mem = Allocate(
        std::max(sizeof(TFoldInfo), TFoldInfo::FileNameOffset() + std::max(name.size(), kMinInline)));
    auto *rec = new (mem) TFoldInfo(TFoldInfo::kFile);
    rec->mNameLen = static_cast<uint16_t>(name.size());
    std::memcpy(rec->InlineArea(), name.data(), name.size());
    return rec;
}

TFolderRec *TRecordArena::NewFolder(std::string_view name)
{
    name = name.substr(0, UINT16_MAX);
    void *mem = Allocate(sizeof(TFolderRec) + std::max(name.size(), kMinInline));
    auto *rec = new (mem) TFolderRec();
    rec->mNameLen = static_cast<uint16_t>(name.size());
    std::memcpy(rec->InlineArea(), name.data(), name.size());
    mFolders.push_back(rec);
    return rec;
}

void TRecordArena::SetName(TFoldInfo *rec, std::string_view name)
{
    name = name.substr(0, UINT16_MAX);
    if (!rec->mNameOutOfLine && name.size() <= rec->mNameLen) {
        std::memcpy(rec->InlineArea(), name.data(), name.size());
    } else {
        char *text = static_cast<char *>(Allocate(std::max<size_t>(name.size(), 1)));
        std::memcpy(text, name.data(), name.size());
        std::memcpy(rec->InlineArea(), &text, sizeof text);
        rec->mNameOutOfLine = true;
    }
    rec->mNameLen = static_cast<uint16_t>(name.size());
}

} // namespace kf
