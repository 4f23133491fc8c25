#include "engine/TTypeTable.h"

#include <cstdlib>

namespace kf {

TTypeTable &TTypeTable::Instance()
{
    static TTypeTable table;
    return table;
}

TTypeTable::TTypeTable() : mBlocks(new std::atomic<Entry *>[kBlocks])
{
    for (uint32_t i = 0; i < kBlocks; ++i)
        mBlocks[i].store(nullptr, std::memory_order_relaxed);
    Intern(QString(), 0); // index 0: no type yet
}

TTypeTable::~TTypeTable()
{
    for (uint32_t i = 0; i < kBlocks; ++i)
        delete[] mBlocks[i].load(std::memory_order_relaxed);
}

uint32_t TTypeTable::Intern(const QString &sType, int32_t iIcon)
{
    std::lock_guard lock(mMutex);
    const auto key = qMakePair(sType, iIcon);
    if (auto it = mIndex.constFind(key); it != mIndex.cend())
        return it.value();
    const uint32_t index = mCount;
    const uint32_t block = index >> kBlockBits;
    if (block >= kBlocks)
        std::abort(); // four million distinct type names: nothing sane produces that
    Entry *entries = mBlocks[block].load(std::memory_order_relaxed);
    if (!entries) {
        entries = new Entry[kBlockSize];
        mBlocks[block].store(entries, std::memory_order_release);
    }
    entries[index & (kBlockSize - 1)] = Entry{sType, iIcon};
    mIndex.insert(key, index);
    ++mCount;
    return index;
}

const TTypeTable::Entry &TTypeTable::At(uint32_t index) const
{
    // An index handed out by Intern was published under the mutex before anyone could hold it.
    const Entry *entries = mBlocks[index >> kBlockBits].load(std::memory_order_acquire);
    return entries[index & (kBlockSize - 1)];
}

} // namespace kf
