#include "common/Timestamp.h"

#include <array>
#include <cmath>

namespace kf {

namespace {

// Zone offsets change at most on quarter hours in every zone in use, so a cache keyed by
// the quarter hour is exact and turns three localtime_r calls per file into table look-ups.
struct OffsetCache {
    static constexpr size_t kSize = 4096;
    std::array<int64_t, kSize> keys;
    std::array<int32_t, kSize> offsets{};
    OffsetCache() { keys.fill(INT64_MIN); }
};

bool LocalOffset(int64_t seconds, int32_t &offset)
{
    thread_local OffsetCache cache;
    const int64_t quarter = seconds >= 0 ? seconds / 900 : (seconds - 899) / 900;
    const size_t slot = static_cast<size_t>(static_cast<uint64_t>(quarter) % OffsetCache::kSize);
    if (cache.keys[slot] == quarter) {
        offset = cache.offsets[slot];
        return true;
    }
    const time_t t = static_cast<time_t>(seconds);
    struct tm local {};
    if (!localtime_r(&t, &local))
        return false;
    offset = static_cast<int32_t>(local.tm_gmtoff);
    cache.keys[slot] = quarter;
    cache.offsets[slot] = offset;
    return true;
}

} // namespace

double LocalTimestamp(int64_t seconds, uint32_t nanoseconds)
{
    int32_t offset = 0;
    if (!LocalOffset(seconds, offset))
        return kDay1900;
    const double local = static_cast<double>(seconds + offset) + nanoseconds / 1e9;
    const double day = local / 86400.0 + kUnixEpochDay;
    return std::isfinite(day) ? day : kDay1900;
}

QDateTime DateTimeOfDay(double day)
{
    const double ms = std::round((day - kUnixEpochDay) * 86400000.0);
    // The day count is local wall time: build it as UTC wall time, then read it as local.
    const QDateTime wall = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(ms), Qt::UTC);
    return QDateTime(wall.date(), wall.time());
}

double DayOfDateTime(const QDateTime &dateTime)
{
    const QDateTime local = dateTime.toLocalTime();
    const QDateTime wall(local.date(), local.time(), Qt::UTC);
    return static_cast<double>(wall.toMSecsSinceEpoch()) / 86400000.0 + kUnixEpochDay;
}

} // namespace kf
