#include "engine/TScanner.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>
#include <unordered_map>

#include "platform/VolumeInfo.h"

namespace kf {

namespace {

struct linux_dirent64 {
    ino64_t d_ino;
    off64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[];
};

// Deep or wide trees keep many folders open at once; take what the system allows.
void RaiseDescriptorLimit()
{
    static std::once_flag once;
    std::call_once(once, [] {
        struct rlimit lim {};
        if (getrlimit(RLIMIT_NOFILE, &lim) == 0 && lim.rlim_cur < lim.rlim_max) {
            lim.rlim_cur = lim.rlim_max;
            setrlimit(RLIMIT_NOFILE, &lim);
        }
    });
}

} // namespace

struct TScanner::Fd {
    int fd = -1;
    explicit Fd(int f) : fd(f) {}
    ~Fd()
    {
        if (fd >= 0)
            close(fd);
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
};

struct TScanner::Worker {
    std::unique_ptr<TRecordArena> arena = std::make_unique<TRecordArena>();
    std::unordered_map<std::string, uint32_t> types; // exact extension -> type index
    std::vector<char> buffer = std::vector<char>(64 * 1024);
    std::vector<Task> children;
    uint32_t folderType = 0;
};

TScanner::TScanner(TKestrafold &engine, FileFilter includeFile)
    : mEngine(engine), mInclude(std::move(includeFile)), mVirtualDevs(VirtualFsDevices())
{
    RaiseDescriptorLimit();
}

TScanner::~TScanner() = default;

void TScanner::AddRoot(const std::string &path, TFoldInfo::List *list, TFoldInfo *parent)
{
    // A folder named on purpose is read even when it is on a virtual file system; only the
    // way into one from elsewhere is closed.
    struct stat st {};
    if (stat(path.c_str(), &st) == 0)
        mVirtualDevs.erase(st.st_dev);
    std::lock_guard lock(mMutex);
    mStack.push_back(Task{nullptr, path, path, list, parent});
    ++mOutstanding;
}

void TScanner::Run()
{
    unsigned threads = mEngine.iThreads ? mEngine.iThreads : std::thread::hardware_concurrency();
    threads = std::max(1u, std::min(threads, 64u));
    std::vector<Worker> workers(threads);
    const uint32_t folderType = mEngine.FolderTypeIndex();
    for (auto &w : workers)
        w.folderType = folderType;
    std::vector<std::thread> pool;
    for (unsigned i = 1; i < threads; ++i)
        pool.emplace_back([this, &workers, i] { WorkerLoop(workers[i]); });
    WorkerLoop(workers[0]);
    for (auto &t : pool)
        t.join();
    for (auto &w : workers)
        mEngine.AdoptArena(std::move(w.arena));
}

bool TScanner::NextTask(Task &task)
{
    std::unique_lock lock(mMutex);
    for (;;) {
        if (mEngine.Terminated.load(std::memory_order_relaxed)) {
            // Stopped: what is queued is dropped; folders not read keep an empty SubList.
            mOutstanding -= mStack.size();
            mStack.clear();
            mWake.notify_all();
        }
        if (!mStack.empty()) {
            task = std::move(mStack.back());
            mStack.pop_back();
            return true;
        }
        if (mOutstanding == 0)
            return false;
        mWake.wait(lock);
    }
}

void TScanner::PushTasks(std::vector<Task> &tasks)
{
    if (tasks.empty())
        return;
    {
        std::lock_guard lock(mMutex);
        mOutstanding += tasks.size();
        // Reversed, so that the first subfolder is taken first.
        for (auto it = tasks.rbegin(); it != tasks.rend(); ++it)
            mStack.push_back(std::move(*it));
    }
    tasks.clear();
    mWake.notify_all();
}

void TScanner::TaskDone()
{
    std::lock_guard lock(mMutex);
    if (--mOutstanding == 0)
        mWake.notify_all();
}

void TScanner::WorkerLoop(Worker &worker)
{
    Task task;
    while (NextTask(task)) {
        ProcessFolder(worker, task);
        task = Task{};
        PushTasks(worker.children);
        TaskDone();
    }
}

void TScanner::ProcessFolder(Worker &worker, Task &task)
{
    TScanProgress &progress = mEngine.Progress();
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY;
    const int fd = task.parent ? openat(task.parent->fd, task.name.c_str(), flags) : open(task.name.c_str(), flags);
    if (fd < 0) {
        progress.cUnreadable.fetch_add(1, std::memory_order_relaxed);
        return;
    }
    auto self = std::make_shared<Fd>(fd);
    task.parent.reset(); // the parent need not stay open once this folder is

    TFoldInfo::List &list = *task.list;
    TFoldInfo *folder = task.folder;
    uint64_t files = 0, folders = 0;
    bool readError = false;
    for (;;) {
        const long n = syscall(SYS_getdents64, fd, worker.buffer.data(), worker.buffer.size());
        if (n <= 0) {
            readError = n < 0;
            break;
        }
        for (long off = 0; off < n;) {
            const auto *d = reinterpret_cast<const linux_dirent64 *>(worker.buffer.data() + off);
            off += d->d_reclen;
            const char *name = d->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            if (mEngine.Terminated.load(std::memory_order_relaxed))
                goto done;
            TDirEntry entry;
            if (!StatEntry(fd, name, entry))
                continue; // gone between listing and looking: as if never listed
            if (entry.bDirectory) {
                std::string childPath = task.path;
                childPath += name;
                childPath += '/';
                progress.SetCurrentPath(childPath);
                if (mEngine.IsExcludedPath(childPath))
                    continue;
                TFolderRec *rec = worker.arena->NewFolder(entry.sName);
                rec->SetTypeIndex(worker.folderType);
                rec->iAttr = entry.iAttr;
                rec->LADate = entry.LADate;
                rec->LMDate = entry.LMDate;
                rec->CreaDate = entry.CreaDate;
                rec->iUid = entry.iUid;
                rec->PFoldInfo = folder;
                list.push_back(rec);
                ++folders;
                if (mVirtualDevs.count(entry.dev) == 0)
                    worker.children.push_back(Task{self, name, std::move(childPath), &rec->mSubList, rec});
                continue;
            }
            if (!mInclude(entry))
                continue;
            TFoldInfo *rec = worker.arena->NewFile(entry.sName);
            const std::string_view ext = ExtOfName(entry.sName);
            auto it = worker.types.find(std::string(ext));
            if (it == worker.types.end())
                it = worker.types.emplace(std::string(ext), mEngine.FileTypeIndex(ext)).first;
            rec->SetTypeIndex(it->second);
            rec->cSize = static_cast<double>(entry.cSize);
            const uint64_t clust = mEngine.iClustSize ? mEngine.iClustSize : 4096;
            rec->cASize = static_cast<double>((entry.cSize + clust - 1) / clust * clust);
            rec->iAttr = entry.iAttr;
            rec->LADate = entry.LADate;
            rec->LMDate = entry.LMDate;
            rec->CreaDate = entry.CreaDate;
            rec->iUid = entry.iUid;
            rec->PFoldInfo = folder;
            if (folder)
                folder->SetcFiles(folder->cFiles() + 1);
            list.push_back(rec);
            ++files;
        }
    }
done:
    if (readError && list.empty())
        progress.cUnreadable.fetch_add(1, std::memory_order_relaxed);
    list.shrink_to_fit();
    progress.cFiles.fetch_add(files, std::memory_order_relaxed);
    progress.cFolders.fetch_add(folders, std::memory_order_relaxed);
}

} // namespace kf
