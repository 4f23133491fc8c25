#include "support/TempTree.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace kf::test {

namespace {
void Fail(const std::string &what) { throw std::runtime_error(what + ": " + std::strerror(errno)); }

void MakeParents(const std::string &path)
{
    for (size_t at = path.find('/', 1); at != std::string::npos; at = path.find('/', at + 1)) {
        const std::string part = path.substr(0, at);
        if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST)
            Fail("mkdir " + part);
    }
}

void RemoveAt(int parentFd, const char *name)
{
    const int fd = openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0) {
        fchmod(fd, 0755);
        DIR *dir = fdopendir(fd);
        if (dir) {
            std::vector<std::string> names;
            while (dirent *d = readdir(dir))
                if (std::strcmp(d->d_name, ".") != 0 && std::strcmp(d->d_name, "..") != 0)
                    names.emplace_back(d->d_name);
            for (const auto &n : names)
                RemoveAt(dirfd(dir), n.c_str());
            closedir(dir);
        } else {
            close(fd);
        }
        unlinkat(parentFd, name, AT_REMOVEDIR);
    } else {
        unlinkat(parentFd, name, 0);
    }
}
} // namespace

TempTree::TempTree()
{
    const char *base = std::getenv("TMPDIR");
    std::string templ = std::string(base && *base ? base : "/tmp") + "/kftest-XXXXXX";
    std::vector<char> buf(templ.begin(), templ.end());
    buf.push_back(0);
    if (!mkdtemp(buf.data()))
        Fail("mkdtemp");
    mRoot = std::string(buf.data()) + "/";
    chmod(buf.data(), 0755);
}

TempTree::~TempTree() { RemoveTree(mRoot); }

void TempTree::Dir(const std::string &relative) const
{
    MakeParents(Path(relative) + "/");
}

void TempTree::File(const std::string &relative, uint64_t size) const
{
    const std::string path = Path(relative);
    MakeParents(path);
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        Fail("create " + path);
    if (ftruncate(fd, static_cast<off_t>(size)) != 0)
        Fail("truncate " + path);
    close(fd);
}

void TempTree::Symlink(const std::string &relative, const std::string &target) const
{
    const std::string path = Path(relative);
    MakeParents(path);
    if (symlink(target.c_str(), path.c_str()) != 0)
        Fail("symlink " + path);
}

void TempTree::Times(const std::string &relative, int64_t modified, int64_t accessed) const
{
    struct timespec ts[2] = {{static_cast<time_t>(accessed), 0}, {static_cast<time_t>(modified), 0}};
    if (utimensat(AT_FDCWD, Path(relative).c_str(), ts, AT_SYMLINK_NOFOLLOW) != 0)
        Fail("utimensat");
}

void RemoveTree(const std::string &path)
{
    std::string p = path;
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    RemoveAt(AT_FDCWD, p.c_str());
}

std::string Shell(const std::string &command)
{
    std::string out;
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0)
        out.append(buf, n);
    pclose(pipe);
    return out;
}

} // namespace kf::test
