#pragma once
// The file system a path lives on, as the mount table and statfs describe it.

#include <cstdint>
#include <set>
#include <string>
#include <sys/types.h>
#include <vector>

#include <QString>

namespace kf {

struct TMountEntry {
    dev_t dev = 0;
    std::string sMountPoint;
    std::string sFsType;
    std::string sSource;
};

// The mounts of this process' mount namespace (/proc/self/mountinfo), in table order.
[[nodiscard]] std::vector<TMountEntry> ReadMountTable();

// Devices of the kernel's virtual file systems (proc, sysfs, devtmpfs, cgroup, ...): a scan
// does not descend into folders on them, so that a scan of "/" shows real disk figures.
[[nodiscard]] std::set<dev_t> VirtualFsDevices();
[[nodiscard]] bool IsVirtualFsType(const std::string &fsType);

// The file-system name in the words the cluster table uses ("FAT32", "NTFS", "exFAT", or the
// Linux name as it stands) and the volume's total size in bytes; false when unknown.
bool VolumeOfPath(const std::string &path, QString &fsName, double &totalBytes);

// The default-format cluster size for a file system of that name and size; 0 when the
// table has none.
[[nodiscard]] uint32_t ClusterSizeFor(const QString &fsName, double totalBytes);

} // namespace kf
