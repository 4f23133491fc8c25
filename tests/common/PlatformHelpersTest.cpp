#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

#include "common/Timestamp.h"
#include "platform/OwnerLookup.h"
#include "platform/SpecialFolder.h"
#include "support/TempTree.h"

using namespace kf;

TEST(Timestamp, LocalDayCountsFollowTheZone)
{
    // The tests run with TZ=Europe/Berlin.
    EXPECT_DOUBLE_EQ(LocalTimestamp(0), 25569 + 1.0 / 24);
    // 2024-07-01 00:00 UTC is 02:00 summer time.
    EXPECT_DOUBLE_EQ(LocalTimestamp(1719792000), 45474 + 2.0 / 24);
    // Both sides of the spring change, 2024-03-31 01:00 UTC.
    EXPECT_DOUBLE_EQ(LocalTimestamp(1711846800 - 1), 45382 + (2 * 3600 - 1) / 86400.0);
    EXPECT_DOUBLE_EQ(LocalTimestamp(1711846800), 45382 + 3.0 / 24);
    EXPECT_DOUBLE_EQ(LocalTimestamp(1719792000, 500000000), 45474 + (2 * 3600 + 0.5) / 86400);
}

TEST(Timestamp, DayCountsAndDateTimesRoundTrip)
{
    const QDateTime noon(QDate(2011, 6, 1), QTime(12, 0));
    EXPECT_DOUBLE_EQ(DayOfDateTime(noon), 40695.5);
    EXPECT_EQ(DateTimeOfDay(40695.5), noon);
    EXPECT_EQ(DateTimeOfDay(2.0).date(), QDate(1900, 1, 1));
}

TEST(Owner, KnownAndUnknownAccounts)
{
    kf::test::TempTree t;
    t.File("mine", 1);
    QString domain = QStringLiteral("unchanged"), account = QStringLiteral("unchanged");
    EXPECT_FALSE(OwnerOfFile(t.Path("missing"), domain, account));
    EXPECT_EQ(account.toStdString(), "unchanged");
    EXPECT_EQ(domain.toStdString(), "unchanged");

    ASSERT_TRUE(OwnerOfFile(t.Path("mine"), domain, account));
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    EXPECT_EQ(domain.toStdString(), host);
    EXPECT_FALSE(account.isEmpty());

    // A uid no account has: its number and no domain.
    const TOwner stranger = OwnerOfUid(54321);
    EXPECT_FALSE(stranger.bFound);
    EXPECT_EQ(stranger.sAccount.toStdString(), "54321");
    EXPECT_TRUE(stranger.sDomain.isEmpty());
    if (getuid() == 0) {
        t.File("theirs", 1);
        ASSERT_EQ(chown(t.Path("theirs").c_str(), 54321, 54321), 0);
        EXPECT_FALSE(OwnerOfFile(t.Path("theirs"), domain, account));
        EXPECT_EQ(account.toStdString(), "54321");
        EXPECT_TRUE(domain.isEmpty());
    }
}

TEST(SpecialFolder, InternetCacheIsABrowserCacheOrNothing)
{
    kf::test::TempTree t;
    const char *old = std::getenv("XDG_CACHE_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_CACHE_HOME", t.Root().c_str(), 1);
    EXPECT_EQ(SpecialFolderPath(kInternetCacheId), "");
    // An empty prefix is a prefix of nothing, so no file counts as internet temporary.
    EXPECT_FALSE(PathHasPrefix("/home/u/file.txt", SpecialFolderPath(kInternetCacheId)));
    t.Dir("mozilla");
    EXPECT_EQ(SpecialFolderPath(kInternetCacheId), t.Root() + "/mozilla/");
    EXPECT_TRUE(PathHasPrefix(t.Root() + "/mozilla/x/y.bin", SpecialFolderPath(kInternetCacheId)));
    if (old)
        setenv("XDG_CACHE_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_CACHE_HOME");
}
