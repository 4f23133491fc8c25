#pragma once
// The parallel folder walker behind every scan.
//
// Folders are read with getdents64 and their entries examined with statx relative to the
// folder's descriptor, so no path is walked twice and trees deeper than PATH_MAX work.
// Each folder is one task; a pool of threads takes tasks from a shared stack (most recent
// first, which keeps the walk close to depth first and the number of open descriptors low).
// Each folder's SubList keeps the enumeration order whatever the thread count; the extension
// rows are built afterwards, in one sequential pass (TKestrafold::RebuildExtList).

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <sys/types.h>
#include <vector>

#include "engine/TKestrafold.h"

namespace kf {

class TScanner {
public:
    // Decides whether a file entry gets a record (folders are decided by ExPaths alone).
    using FileFilter = std::function<bool(const TDirEntry &)>;

    TScanner(TKestrafold &engine, FileFilter includeFile);
    ~TScanner();
    TScanner(const TScanner &) = delete;
    TScanner &operator=(const TScanner &) = delete;

    // Queues the folder `path` (ending with "/") to be read into `list` under `parent`.
    void AddRoot(const std::string &path, TFoldInfo::List *list, TFoldInfo *parent);
    // Reads every queued folder and everything below; returns when done or stopped.
    // The records' memory goes to the engine.
    void Run();

private:
    struct Fd;
    struct Task {
        std::shared_ptr<Fd> parent; // none for a root: opened by path
        std::string name;           // name within parent (roots: the full path)
        std::string path;           // full path ending with "/"
        TFoldInfo::List *list = nullptr;
        TFoldInfo *folder = nullptr; // the record the entries go under; none for the top
    };
    struct Worker;

    void WorkerLoop(Worker &worker);
    void ProcessFolder(Worker &worker, Task &task);
    bool NextTask(Task &task);
    void PushTasks(std::vector<Task> &tasks);
    void TaskDone();

    TKestrafold &mEngine;
    FileFilter mInclude;
    std::set<dev_t> mVirtualDevs;

    std::mutex mMutex;
    std::condition_variable mWake;
    std::vector<Task> mStack;
    size_t mOutstanding = 0; // tasks queued or being processed
};

} // namespace kf
