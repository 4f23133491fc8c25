#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "common/TOptions.h"
#include "engine/TFolderInfo.h"
#include "engine/TKestrafold.h"
#include "support/TempTree.h"
#include "support/TreeDump.h"

using namespace kf;
using kf::test::CheckInvariants;
using kf::test::TempTree;

namespace {

// Settings are process-wide; every test starts from none and leaves none behind.
class ScannerTest : public ::testing::Test {
protected:
    void SetUp() override { Options().registry = TReginfo{}; }
    void TearDown() override { Options().registry = TReginfo{}; }

    static const TFoldInfo *Find(const TFoldInfo::List &list, std::string_view name)
    {
        for (const TFoldInfo *r : list)
            if (r->sName() == name)
                return r;
        return nullptr;
    }
};

// Everything a scan must survive, in one tree.
void MakeAwkwardTree(const TempTree &t)
{
    t.File("zero", 0);
    t.File("one.bin", 1);
    t.File("cluster.bin", 4096);
    t.File("cluster-plus.bin", 4097);
    t.File("archive.tar.gz", 10);
    t.File("README", 3);
    t.File(".profile", 5);
    t.File("a.TXT", 1);
    t.Dir("empty");
    t.Dir("nested/deeper/deepest");
    t.File("nested/deeper/deepest/leaf.txt", 7);
    t.File("nested/b.txt", 2);
    t.File("caf\xc3\xa9 \xe2\x82\xac.txt", 11);  // valid UTF-8
    t.File("bad\xff\xfe name.dat", 12);          // not UTF-8
    t.File("line\nbreak.txt", 13);
    t.File("pipe|and&amp.txt", 14);
    t.Dir("Tom & Jerry");
    t.File("Tom & Jerry/<tag>.html", 15);
    t.Symlink("nested/loop", ".");               // a loop, never followed
    t.Symlink("dangling", "does-not-exist");
}

uint64_t FindCount(const std::string &root, const std::string &type)
{
    const std::string out =
        kf::test::Shell("find '" + root + "' -mindepth 1 " + type + " -print0 | tr -cd '\\0' | wc -c");
    return std::stoull(out);
}

double FindSize(const std::string &root)
{
    const std::string out = kf::test::Shell("find '" + root +
                                            "' -mindepth 1 ! -type d -printf '%s\\n' | awk '{s+=$1} END {printf \"%.0f\", s}'");
    return std::stod(out);
}

} // namespace

TEST_F(ScannerTest, TotalsEqualWhatFindCounts)
{
    TempTree t;
    MakeAwkwardTree(t);
    TKestrafold engine;
    engine.Analyze(t.Root());
    const TFolderInfo totals = ReadSize(engine.FoldList);
    EXPECT_EQ(totals.cFiles, FindCount(t.Root(), "! -type d"));
    EXPECT_EQ(totals.cFolders, FindCount(t.Root(), "-type d"));
    EXPECT_EQ(totals.cFoldSize, FindSize(t.Root()));
    EXPECT_EQ(CheckInvariants(engine), "");
    EXPECT_EQ(engine.Progress().cUnreadable.load(), 0u);
}

TEST_F(ScannerTest, RecordsKeepNamesExtensionsAndSizes)
{
    TempTree t;
    MakeAwkwardTree(t);
    TKestrafold engine;
    engine.Analyze(t.Root());
    ASSERT_EQ(engine.iClustSize, 4096u); // the default for a Linux file system

    const struct {
        const char *name;
        const char *ext;
        double size;
        double allocated;
    } cases[] = {
        {"zero", "", 0, 0},
        {"one.bin", ".bin", 1, 4096},
        {"cluster.bin", ".bin", 4096, 4096},
        {"cluster-plus.bin", ".bin", 4097, 8192},
        {"archive.tar.gz", ".gz", 10, 4096},
        {"README", "", 3, 4096},
        {".profile", ".profile", 5, 4096},
        {"bad\xff\xfe name.dat", ".dat", 12, 4096},
        {"line\nbreak.txt", ".txt", 13, 4096},
        {"pipe|and&amp.txt", ".txt", 14, 4096},
    };
    for (const auto &c : cases) {
        const TFoldInfo *r = Find(engine.FoldList, c.name);
        ASSERT_NE(r, nullptr) << c.name;
        EXPECT_FALSE(r->isFolder()) << c.name;
        EXPECT_EQ(r->sExt(), c.ext) << c.name;
        EXPECT_EQ(r->cSize, c.size) << c.name;
        EXPECT_EQ(r->cASize, c.allocated) << c.name;
        EXPECT_EQ(r->PFoldInfo, nullptr) << c.name;
        EXPECT_EQ(engine.FullName(r), t.Root() + c.name);
    }
}

TEST_F(ScannerTest, FoldersLinksAndPaths)
{
    TempTree t;
    MakeAwkwardTree(t);
    TKestrafold engine;
    engine.Analyze(t.Root());

    const TFoldInfo *empty = Find(engine.FoldList, "empty");
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(empty->isFolder());
    EXPECT_TRUE(empty->SubList()->empty());
    EXPECT_EQ(empty->cFiles(), 0u);
    EXPECT_EQ(empty->sType().toStdString(), "File Folder");
    EXPECT_EQ(empty->iAttr & 16, 16);
    EXPECT_EQ(engine.GetPath(empty), t.Root() + "empty/");

    const TFoldInfo *nested = Find(engine.FoldList, "nested");
    ASSERT_NE(nested, nullptr);
    EXPECT_EQ(nested->cFiles(), 2u); // b.txt and the link; the folder below does not count
    const TFoldInfo *loop = Find(*nested->SubList(), "loop");
    ASSERT_NE(loop, nullptr);
    EXPECT_FALSE(loop->isFolder()); // links are entries of their own, never followed
    EXPECT_EQ(loop->cSize, 1);      // the link's own size: the length of "."
    const TFoldInfo *deepest = Find(*Find(*nested->SubList(), "deeper")->SubList(), "deepest");
    ASSERT_NE(deepest, nullptr);
    const TFoldInfo *leaf = Find(*deepest->SubList(), "leaf.txt");
    ASSERT_NE(leaf, nullptr);
    EXPECT_EQ(engine.GetPath(leaf), t.Root() + "nested/deeper/deepest/");
    EXPECT_EQ(engine.GetPath(deepest), t.Root() + "nested/deeper/deepest/");
    EXPECT_EQ(leaf->PFoldInfo, deepest);
}

TEST_F(ScannerTest, AttributesAndTimes)
{
    TempTree t;
    t.File("plain.txt", 1);
    t.File("readonly.txt", 1);
    chmod(t.Path("readonly.txt").c_str(), 0444);
    t.File(".hidden", 1);
    ASSERT_EQ(mkfifo(t.Path("fifo").c_str(), 0644), 0);
    t.File("dated.txt", 1);
    t.Times("dated.txt", 1700000000, 1600000000); // 2023-11-14 22:13:20 UTC, 2020-09-13 12:26:40 UTC
    TKestrafold engine;
    engine.Analyze(t.Root());

    const struct {
        const char *name;
        int32_t attr;
    } cases[] = {{"plain.txt", 0}, {"readonly.txt", 1}, {".hidden", 2}, {"fifo", 4}};
    for (const auto &c : cases) {
        const TFoldInfo *r = Find(engine.FoldList, c.name);
        ASSERT_NE(r, nullptr) << c.name;
        EXPECT_EQ(r->iAttr, c.attr) << c.name;
        EXPECT_GT(r->CreaDate, 40000) << c.name; // a real time, never 1 January 1900
    }
    const TFoldInfo *dated = Find(engine.FoldList, "dated.txt");
    ASSERT_NE(dated, nullptr);
    // Europe/Berlin: UTC+1 in November, UTC+2 in September.
    EXPECT_DOUBLE_EQ(dated->LMDate, (1700000000.0 + 3600) / 86400 + 25569);
    EXPECT_DOUBLE_EQ(dated->LADate, (1600000000.0 + 7200) / 86400 + 25569);
    EXPECT_EQ(dated->iUid, getuid());
}

TEST_F(ScannerTest, ExtensionRowsShareCaseVariantsInFirstMetForm)
{
    TempTree t;
    t.File("a.TXT", 1);
    t.File("b.txt", 2);
    t.File("c.Txt", 3);
    t.File("d.log", 4);
    TKestrafold engine;
    engine.Analyze(t.Root());
    ASSERT_EQ(engine.ExtList.size(), 2u);
    // The first record with a text extension in enumeration order names the row.
    std::string first;
    for (const TFoldInfo *r : engine.FoldList)
        if (ExtKey(r->sExt()) == ".TXT" && first.empty())
            first = std::string(r->sExt());
    const TExtInfo *row = engine.FindExt(".txt");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->Ext, first);
    EXPECT_EQ(row->Files, 3);
    EXPECT_EQ(row->Size, 6);
    EXPECT_EQ(row->ASize, 3 * 4096);
    EXPECT_EQ(engine.FindExt(".TxT"), row);
    EXPECT_EQ(engine.FindExt(".doc"), nullptr);
    for (const TFoldInfo *r : engine.FoldList) {
        if (ExtKey(r->sExt()) == ".TXT") {
            EXPECT_EQ(r->sType(), row->sType);
        }
    }
}

TEST_F(ScannerTest, ExcludedPathsAreComparedWhole)
{
    TempTree t;
    t.File("data/kept.txt", 1);
    t.File("home/u/data/dropped.txt", 1);
    t.File("home/u/other/kept.txt", 1);
    // A whole-entry test: /root/data/ is not excluded by /root/home/u/data/.
    Options().registry.sExPaths = QString::fromStdString(t.Root() + "home/u/data/|");
    TKestrafold engine;
    engine.Analyze(t.Root());
    const TFoldInfo *data = Find(engine.FoldList, "data");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->SubList()->size(), 1u);
    const TFoldInfo *u = Find(*Find(engine.FoldList, "home")->SubList(), "u");
    EXPECT_EQ(Find(*u->SubList(), "data"), nullptr);
    EXPECT_NE(Find(*u->SubList(), "other"), nullptr);

    // Only entries are tested: the analysed path itself is scanned.
    TKestrafold inner;
    inner.Analyze(t.Root() + "home/u/data/");
    EXPECT_EQ(inner.FoldList.size(), 1u);
}

TEST_F(ScannerTest, ExcludedFilesLeaveNoTrace)
{
    TempTree t;
    t.File("sub/OLD.BAK", 100);
    t.File("sub/x.tmp", 100);
    t.File("sub/keep.txt", 1);
    Options().registry.sExFiles = QStringLiteral("*.tmp|*.bak");
    TKestrafold engine;
    engine.Analyze(t.Root());
    const TFoldInfo *sub = Find(engine.FoldList, "sub");
    ASSERT_NE(sub, nullptr);
    ASSERT_EQ(sub->SubList()->size(), 1u);
    EXPECT_EQ(sub->cFiles(), 1u);
    EXPECT_EQ(engine.FindExt(".BAK"), nullptr);
    EXPECT_EQ(engine.FindExt(".tmp"), nullptr);
}

TEST_F(ScannerTest, OneOrFourThreadsMakeTheSameTree)
{
    TempTree t;
    MakeAwkwardTree(t);
    // Enough folders for the threads to interleave.
    for (int i = 0; i < 60; ++i)
        for (int j = 0; j < 8; ++j)
            t.File("wide/d" + std::to_string(i) + "/s" + std::to_string(j % 3) + "/f" + std::to_string(j) +
                       (j % 2 ? ".c" : ".H"),
                   static_cast<uint64_t>(i * 100 + j));
    TKestrafold one, four;
    one.iThreads = 1;
    four.iThreads = 4;
    one.Analyze(t.Root());
    four.Analyze(t.Root());
    EXPECT_EQ(kf::test::DumpTree(one), kf::test::DumpTree(four));
    EXPECT_EQ(CheckInvariants(four), "");
}

TEST_F(ScannerTest, StopKeepsAConsistentPartialTree)
{
    TempTree t;
    for (int i = 0; i < 400; ++i)
        for (int j = 0; j < 50; ++j)
            t.File("d" + std::to_string(i) + "/f" + std::to_string(j) + ".dat", 1);
    TKestrafold full;
    full.Analyze(t.Root());
    const uint32_t allFiles = ReadSize(full.FoldList).cFiles;

    TKestrafold engine;
    engine.iThreads = 2;
    std::thread stopper([&] {
        while (engine.Progress().cFiles.load() < 2000)
            std::this_thread::yield();
        engine.Terminated = true;
    });
    EXPECT_TRUE(engine.Analyze(t.Root()));
    stopper.join();
    const uint32_t found = ReadSize(engine.FoldList).cFiles;
    EXPECT_GE(found, 2000u);
    EXPECT_LT(found, allFiles);
    EXPECT_EQ(CheckInvariants(engine), "");
}

TEST_F(ScannerTest, TreeDeeperThanPathMax)
{
    TempTree t;
    const std::string name(200, 'n');
    int fd = open(t.Root().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    const int depth = 30; // 30 × 201 bytes: well past PATH_MAX
    for (int i = 0; i < depth; ++i) {
        ASSERT_EQ(mkdirat(fd, name.c_str(), 0755), 0);
        const int next = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
        close(fd);
        fd = next;
        ASSERT_GE(fd, 0);
    }
    const int file = openat(fd, "bottom.txt", O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(file, 0);
    ASSERT_EQ(write(file, "abc", 3), 3);
    close(file);
    close(fd);

    TKestrafold engine;
    engine.Analyze(t.Root());
    const TFolderInfo totals = ReadSize(engine.FoldList);
    EXPECT_EQ(totals.cFolders, static_cast<uint32_t>(depth));
    EXPECT_EQ(totals.cFiles, 1u);
    EXPECT_EQ(totals.cFoldSize, 3);
    EXPECT_EQ(engine.Progress().cUnreadable.load(), 0u);
}

TEST_F(ScannerTest, MissingPathGivesAnEmptyAnalysis)
{
    TKestrafold engine;
    EXPECT_TRUE(engine.Analyze("/nonexistent-kestrafold-test/"));
    EXPECT_TRUE(engine.FoldList.empty());
    EXPECT_TRUE(engine.ExtList.empty());
    EXPECT_EQ(engine.Progress().cUnreadable.load(), 1u);
}

TEST_F(ScannerTest, DeAnalyzeLeavesAnEngineThatScansAgain)
{
    TempTree t;
    MakeAwkwardTree(t);
    TKestrafold engine;
    engine.Analyze(t.Root());
    const std::string first = kf::test::DumpTree(engine);
    engine.DeAnalyze();
    EXPECT_TRUE(engine.FoldList.empty());
    EXPECT_TRUE(engine.ExtList.empty());
    engine.Analyze(t.Root());
    EXPECT_EQ(kf::test::DumpTree(engine), first);
}

TEST_F(ScannerTest, OwnIconsWhenAskedFor)
{
    TempTree t;
    t.File("a.txt", 1);
    t.Dir("d");
    Options().registry.sSIcons = QStringLiteral("1");
    TKestrafold engine;
    engine.Analyze(t.Root());
    EXPECT_EQ(Find(engine.FoldList, "a.txt")->iIconIndex(), 6);
    EXPECT_EQ(Find(engine.FoldList, "d")->iIconIndex(), 3);
    EXPECT_EQ(engine.sDUShell.toStdString(), "1");
}
