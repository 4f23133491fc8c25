#include "engine/TDirEntry.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "common/Timestamp.h"

namespace kf {

bool StatEntry(int dirFd, const char *name, TDirEntry &entry)
{
    struct statx sx {};
    const unsigned mask = STATX_TYPE | STATX_MODE | STATX_UID | STATX_SIZE | STATX_ATIME | STATX_MTIME |
                          STATX_BTIME;
    if (statx(dirFd, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT | AT_STATX_DONT_SYNC, mask, &sx) != 0)
        return false;
    entry.sName = name;
    const mode_t mode = sx.stx_mode;
    entry.bDirectory = S_ISDIR(mode);
    entry.cSize = entry.bDirectory ? 0 : sx.stx_size;
    int32_t attr = 0;
    if (!(mode & S_IWUSR))
        attr |= kAttrReadOnly;
    if (name[0] == '.')
        attr |= kAttrHidden;
    if (S_ISCHR(mode) || S_ISBLK(mode) || S_ISFIFO(mode) || S_ISSOCK(mode))
        attr |= kAttrSystem;
    if (entry.bDirectory)
        attr |= kAttrDirectory;
    if ((sx.stx_attributes_mask & STATX_ATTR_COMPRESSED) && (sx.stx_attributes & STATX_ATTR_COMPRESSED))
        attr |= kAttrCompressed;
    entry.iAttr = attr;
    entry.LADate = LocalTimestamp(sx.stx_atime.tv_sec, sx.stx_atime.tv_nsec);
    entry.LMDate = LocalTimestamp(sx.stx_mtime.tv_sec, sx.stx_mtime.tv_nsec);
    // Not every file system keeps a birth time; the modification time is the closest truth.
    entry.CreaDate = (sx.stx_mask & STATX_BTIME) ? LocalTimestamp(sx.stx_btime.tv_sec, sx.stx_btime.tv_nsec)
                                                 : entry.LMDate;
    entry.iUid = sx.stx_uid;
    entry.dev = makedev(sx.stx_dev_major, sx.stx_dev_minor);
    return true;
}

} // namespace kf
