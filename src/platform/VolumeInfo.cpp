#include "platform/VolumeInfo.h"

#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>

namespace kf {

namespace {

std::string Unescape(const std::string &s)
{
    // The mount table writes blanks, tabs, newlines and backslashes as \ooo.
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size()) {
            const std::string oct = s.substr(i + 1, 3);
            if (oct.size() == 3 && oct.find_first_not_of("01234567") == std::string::npos) {
                out += static_cast<char>(std::stoi(oct, nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

QString CanonicalFsName(const std::string &type)
{
    if (type == "vfat" || type == "msdos" || type == "fat")
        return QStringLiteral("FAT32");
    if (type == "exfat")
        return QStringLiteral("exFAT");
    if (type == "ntfs" || type == "ntfs3" || type == "fuseblk" || type.find("ntfs") != std::string::npos)
        return QStringLiteral("NTFS");
    return QString::fromStdString(type);
}

} // namespace

std::vector<TMountEntry> ReadMountTable()
{
    std::vector<TMountEntry> out;
    std::ifstream in("/proc/self/mountinfo");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string id, parent, majmin, root, point, opts;
        if (!(fields >> id >> parent >> majmin >> root >> point >> opts))
            continue;
        std::string word;
        while (fields >> word && word != "-") {
        }
        TMountEntry e;
        if (!(fields >> e.sFsType))
            continue;
        fields >> e.sSource;
        unsigned major = 0, minor = 0;
        if (std::sscanf(majmin.c_str(), "%u:%u", &major, &minor) != 2)
            continue;
        e.dev = makedev(major, minor);
        e.sMountPoint = Unescape(point);
        out.push_back(std::move(e));
    }
    return out;
}

bool IsVirtualFsType(const std::string &fsType)
{
    static const std::set<std::string> kVirtual = {
        "proc",      "sysfs",  "devtmpfs", "cgroup",  "cgroup2", "debugfs", "tracefs", "securityfs",
        "pstore",    "bpf",    "configfs", "fusectl", "devpts",  "mqueue",  "hugetlbfs", "autofs",
        "binfmt_misc", "efivarfs", "rpc_pipefs", "nsfs"};
    return kVirtual.count(fsType) > 0;
}

std::set<dev_t> VirtualFsDevices()
{
    std::set<dev_t> out;
    for (const auto &m : ReadMountTable())
        if (IsVirtualFsType(m.sFsType))
            out.insert(m.dev);
    return out;
}

bool VolumeOfPath(const std::string &path, QString &fsName, double &totalBytes)
{
    struct statfs sfs {};
    struct stat st {};
    if (statfs(path.c_str(), &sfs) != 0 || stat(path.c_str(), &st) != 0)
        return false;
    totalBytes = static_cast<double>(sfs.f_blocks) * static_cast<double>(sfs.f_frsize ? sfs.f_frsize : sfs.f_bsize);
    std::string type;
    // Several mounts can share a device (bind mounts); any of them names the same file system.
    for (const auto &m : ReadMountTable())
        if (m.dev == st.st_dev)
            type = m.sFsType;
    if (type.empty())
        return false;
    fsName = CanonicalFsName(type);
    return true;
}

uint32_t ClusterSizeFor(const QString &fsName, double totalBytes)
{
    const double mb = totalBytes / 1048576.0;
    const double gb = totalBytes / 1073741824.0;
    const double tb = gb / 1024.0;
    if (fsName == QLatin1String("FAT32") || fsName == QLatin1String("FAT16")) {
        if (gb <= 8)
            return 4096;
        if (gb <= 16)
            return 8192;
        if (gb <= 32)
            return 16384;
        return 32768;
    }
    if (fsName == QLatin1String("NTFS")) {
        if (mb < 512)
            return 4096; // the table has no row for small volumes; the format default is 4 KB
        if (tb <= 16)
            return 4096;
        if (tb <= 32)
            return 8192;
        if (tb <= 64)
            return 16384;
        if (tb <= 128)
            return 32768;
        return 65536;
    }
    if (fsName.compare(QLatin1String("exFAT"), Qt::CaseInsensitive) == 0) {
        if (mb < 7)
            return 0;
        if (mb <= 256)
            return 4096;
        if (gb <= 32)
            return 32768;
        if (tb <= 256)
            return 131072;
        return 0;
    }
    return 0;
}

} // namespace kf
