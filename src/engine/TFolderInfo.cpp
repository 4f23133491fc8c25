#include "engine/TFolderInfo.h"

namespace kf {

TFolderInfo ReadSize(const TFoldInfo::List &list, const std::atomic<bool> *stop)
{
    TFolderInfo info;
    // An explicit stack: a tree deeper than PATH_MAX must not exhaust the thread's stack.
    std::vector<std::pair<const TFoldInfo::List *, size_t>> stack{{&list, 0}};
    while (!stack.empty()) {
        auto &[current, pos] = stack.back();
        if (pos == current->size() || (stop && stop->load(std::memory_order_relaxed))) {
            stack.pop_back();
            continue;
        }
        const TFoldInfo *rec = (*current)[pos++];
        if (!rec)
            continue;
        if (rec->isFolder()) {
            ++info.cFolders;
            stack.emplace_back(rec->SubList(), 0);
        } else {
            ++info.cFiles;
            info.cFoldSize += rec->cSize;
            info.cASize += rec->cASize;
            info.cWSize += rec->cASize - rec->cSize;
        }
    }
    return info;
}

} // namespace kf
