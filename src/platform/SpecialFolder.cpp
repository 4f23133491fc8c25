#include "platform/SpecialFolder.h"

#include <cstdlib>
#include <sys/stat.h>

namespace kf {

namespace {
std::string CacheHome()
{
    if (const char *xdg = std::getenv("XDG_CACHE_HOME"); xdg && *xdg == '/')
        return xdg;
    if (const char *home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.cache";
    return {};
}

bool IsDirectory(const std::string &path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
} // namespace

std::vector<std::string> InternetCachePaths()
{
    std::vector<std::string> out;
    const std::string base = CacheHome();
    if (base.empty())
        return out;
    for (const char *browser : {"mozilla", "chromium", "google-chrome", "BraveSoftware", "opera", "vivaldi"}) {
        const std::string path = base + "/" + browser;
        if (IsDirectory(path))
            out.push_back(path + "/");
    }
    return out;
}

std::string SpecialFolderPath(int id)
{
    if (id == kInternetCacheId) {
        const auto paths = InternetCachePaths();
        return paths.empty() ? std::string() : paths.front();
    }
    return {};
}

bool PathHasPrefix(const std::string &path, const std::string &prefix)
{
    return !prefix.empty() && path.compare(0, prefix.size(), prefix) == 0;
}

} // namespace kf
