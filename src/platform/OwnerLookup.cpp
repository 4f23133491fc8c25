#include "platform/OwnerLookup.h"

#include <mutex>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace kf {

namespace {
QString HostName()
{
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return {};
    return QString::fromLocal8Bit(name);
}
} // namespace

TOwner OwnerOfUid(uint32_t uid)
{
    static std::mutex mutex;
    static std::unordered_map<uint32_t, TOwner> cache;
    std::lock_guard lock(mutex);
    if (auto it = cache.find(uid); it != cache.end())
        return it->second;
    TOwner owner;
    struct passwd pwd {};
    struct passwd *result = nullptr;
    std::vector<char> buf(16384);
    if (getpwuid_r(static_cast<uid_t>(uid), &pwd, buf.data(), buf.size(), &result) == 0 && result) {
        static const QString host = HostName();
        owner.sAccount = QString::fromLocal8Bit(result->pw_name);
        owner.sDomain = host;
        owner.bFound = true;
    } else {
        owner.sAccount = QString::number(uid);
    }
    cache.emplace(uid, owner);
    return owner;
}

bool OwnerOfFile(const std::string &path, QString &domain, QString &account)
{
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0)
        return false;
    const TOwner owner = OwnerOfUid(static_cast<uint32_t>(st.st_uid));
    account = owner.sAccount;
    domain = owner.sDomain;
    return owner.bFound;
}

} // namespace kf
