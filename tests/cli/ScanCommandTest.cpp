#include <gtest/gtest.h>

#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/CliCommands.h"
#include "support/TempTree.h"

using namespace kf;

namespace {
struct CliRun {
    int code;
    std::string out, err;
};

CliRun RunCli(const cli::Args &args)
{
    std::ostringstream out, err;
    const int code = cli::RunCommandLine(args, out, err);
    return {code, out.str(), err.str()};
}
} // namespace

TEST(ScanCommand, PrintsTheSummary)
{
    kf::test::TempTree t;
    t.File("a.txt", 1000);
    t.File("b.txt", 24);
    t.File("sub/c.log", 2048);
    const CliRun r = RunCli({"scan", t.Root(), "--unit", "B"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("Analysed path:      " + t.Root()), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Files:              3\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Folders:            1\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Size:               3072 bytes\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Size on disk:       12288 bytes\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Unreadable folders: 0\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(".log"), std::string::npos) << r.out;
}

TEST(ScanCommand, RelativePathsBecomeAbsolute)
{
    kf::test::TempTree t;
    t.File("x", 1);
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    ASSERT_EQ(chdir(t.Root().c_str()), 0);
    const CliRun r = RunCli({"scan", "."});
    ASSERT_EQ(chdir(cwd), 0);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("Analysed path:      " + t.Root() + "\n"), std::string::npos) << r.out;
}

TEST(ScanCommand, BadArgumentsAndPaths)
{
    kf::test::TempTree t;
    t.File("file.txt", 1);
    const struct {
        cli::Args args;
        int code;
        const char *message;
    } cases[] = {
        {{"scan"}, cli::kExitUsage, "needs a folder"},
        {{"scan", t.Root(), "--unit", "TB"}, cli::kExitUsage, "--unit must be one of"},
        {{"scan", t.Root(), "--threads", "many"}, cli::kExitUsage, "whole number"},
        {{"scan", t.Root(), "--threads"}, cli::kExitUsage, "needs a value"},
        {{"scan", t.Root(), "extra"}, cli::kExitUsage, "unexpected argument"},
        {{"scan", t.Path("missing")}, cli::kExitFailed, "No such file or directory"},
        {{"scan", t.Path("file.txt")}, cli::kExitFailed, "not a folder"},
        {{"--frobnicate"}, cli::kExitUsage, "unknown command"},
        {{"no-such-folder-or-command"}, cli::kExitFailed, "No such file or directory"},
    };
    for (const auto &c : cases) {
        const CliRun r = RunCli(c.args);
        EXPECT_EQ(r.code, c.code) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

TEST(ScanCommand, EmptyFolderSaysNothingWasFound)
{
    kf::test::TempTree t;
    const CliRun r = RunCli({"scan", t.Root()});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "No files and folders were found\n");
}

// Root reads every folder, so the unreadable one is read by an unprivileged account.
TEST(ScanCommand, CountsUnreadableFolders)
{
    kf::test::TempTree t;
    t.File("open/a.txt", 1);
    t.File("closed/secret.txt", 1);
    ASSERT_EQ(chmod(t.Path("closed").c_str(), 0), 0);
    std::string command = std::string(KF_CLI_BINARY) + " scan '" + t.Root() + "' 2>&1";
    if (getuid() == 0)
        command = "setpriv --reuid=65534 --regid=65534 --clear-groups " + command;
    const std::string out = kf::test::Shell(command);
    EXPECT_NE(out.find("Unreadable folders: 1\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Files:              1\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Folders:            2\n"), std::string::npos) << out;
}
