#include <gtest/gtest.h>

#include <ostream>

#include "engine/TKestrafold.h"
#include "engine/TRecordArena.h"
#include "engine/TTypeTable.h"
#include "platform/VolumeInfo.h"

using namespace kf;

TEST(Records, ExtensionIsFromTheLastDot)
{
    const struct {
        const char *name;
        const char *ext;
    } cases[] = {{"archive.tar.gz", ".gz"}, {"README", ""}, {".profile", ".profile"}, {"a.", "."}, {"", ""}};
    for (const auto &c : cases)
        EXPECT_EQ(ExtOfName(c.name), c.ext) << c.name;
}

TEST(Records, KindDecidesFolderNotTypeName)
{
    TRecordArena arena;
    TFoldInfo *file = arena.NewFile("Folder");
    file->SetTypeIndex(TTypeTable::Instance().Intern(QStringLiteral("Folder"), 0));
    EXPECT_FALSE(file->isFolder());
    EXPECT_EQ(file->SubList(), nullptr);
    file->SetcFiles(5); // a file has no counts to set
    EXPECT_EQ(file->cFiles(), 0u);
    TFolderRec *folder = arena.NewFolder("x.d");
    EXPECT_TRUE(folder->isFolder());
    EXPECT_TRUE(folder->sExt().empty());
    ASSERT_NE(folder->SubList(), nullptr);
}

TEST(Records, RenameKeepsBytesWhetherShorterOrLonger)
{
    TRecordArena arena;
    for (const char *first : {"", "a", "twelve.bytes", "a-rather-long-file-name-of-forty-bytes.x"}) {
        for (bool folder : {false, true}) {
            TFoldInfo *r = folder ? static_cast<TFoldInfo *>(arena.NewFolder(first)) : arena.NewFile(first);
            EXPECT_EQ(r->sName(), first);
            const std::string longer = std::string(first) + "-and-then-some-more-\xff-bytes.txt";
            arena.SetName(r, longer);
            EXPECT_EQ(r->sName(), longer);
            arena.SetName(r, "s.c");
            EXPECT_EQ(r->sName(), "s.c");
            EXPECT_EQ(r->sExt(), folder ? "" : ".c");
            EXPECT_EQ(r->isFolder(), folder);
        }
    }
}

TEST(Records, GetPathFromTheAnalysedPath)
{
    TKestrafold engine;
    engine.sDrive = "/";
    TFolderRec *temp = engine.Arena().NewFolder("Temp");
    TFoldInfo *file = engine.Arena().NewFile("a.txt");
    TFoldInfo *top = engine.Arena().NewFile("b.txt");
    file->PFoldInfo = temp;
    temp->mSubList.push_back(file);
    engine.FoldList = {temp, top};
    EXPECT_EQ(engine.GetPath(top), "/");
    EXPECT_EQ(engine.GetPath(temp), "/Temp/");
    EXPECT_EQ(engine.GetPath(file), "/Temp/");
    EXPECT_EQ(engine.FullName(file), "/Temp/a.txt");
    engine.sDrive = "/data/";
    EXPECT_EQ(engine.GetPath(file), "/data/Temp/");
}

struct ClusterCase {
    const char *fs;
    double bytes;
    uint32_t cluster;
};

inline std::ostream &operator<<(std::ostream &o, const ClusterCase &c) { return o << c.fs << ' ' << c.bytes; }

class ClusterTable : public ::testing::TestWithParam<ClusterCase> {};

TEST_P(ClusterTable, DefaultFormatSizes)
{
    const auto &c = GetParam();
    EXPECT_EQ(ClusterSizeFor(QString::fromLatin1(c.fs), c.bytes), c.cluster) << c.fs << " " << c.bytes;
}

constexpr double kMB = 1048576.0, kGB = 1073741824.0, kTB = kGB * 1024;
INSTANTIATE_TEST_SUITE_P(
    Volumes, ClusterTable,
    ::testing::Values(ClusterCase{"NTFS", 2 * kTB, 4096}, ClusterCase{"FAT32", 20 * kGB, 16384},
                      ClusterCase{"exFAT", 64 * kGB, 131072}, ClusterCase{"EXFAT", 64 * kGB, 131072},
                      ClusterCase{"CDFS", 1 * kGB, 0}, ClusterCase{"ext4", 100 * kGB, 0},
                      ClusterCase{"FAT32", 8 * kGB, 4096}, ClusterCase{"FAT16", 8 * kGB + 1, 8192},
                      ClusterCase{"FAT32", 32 * kGB + 1, 32768}, ClusterCase{"NTFS", 100 * kMB, 4096},
                      ClusterCase{"NTFS", 16 * kTB + kGB, 8192}, ClusterCase{"NTFS", 200 * kTB, 65536},
                      ClusterCase{"exFAT", 6 * kMB, 0}, ClusterCase{"exFAT", 256 * kMB, 4096},
                      ClusterCase{"exFAT", 300 * kMB, 32768}, ClusterCase{"exFAT", 300 * kTB, 0},
                      ClusterCase{"ntfs", 2 * kTB, 0}));

TEST(Volumes, KernelFileSystemsAreKnown)
{
    for (const char *fs : {"proc", "sysfs", "devtmpfs", "cgroup", "cgroup2", "debugfs", "tracefs", "securityfs",
                           "pstore", "bpf", "configfs", "fusectl"})
        EXPECT_TRUE(IsVirtualFsType(fs)) << fs;
    for (const char *fs : {"ext4", "xfs", "btrfs", "tmpfs", "vfat", "nfs"})
        EXPECT_FALSE(IsVirtualFsType(fs)) << fs;
    struct stat st {};
    ASSERT_EQ(stat("/proc", &st), 0);
    EXPECT_EQ(VirtualFsDevices().count(st.st_dev), 1u);
}
