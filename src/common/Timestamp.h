#pragma once
// Local timestamps: days since 30 December 1899 in local time, the time of day as fraction.

#include <cstdint>
#include <ctime>

#include <QDateTime>

namespace kf {

inline constexpr double kDay1900 = 2.0; // 1 January 1900: a time that could not be converted
inline constexpr double kUnixEpochDay = 25569.0;

// A UTC time (seconds and nanoseconds since 1970) as a local day count; kDay1900 when the
// local conversion fails. Cheap: the zone offset is cached per quarter hour, per thread.
[[nodiscard]] double LocalTimestamp(int64_t seconds, uint32_t nanoseconds = 0);

// Between day counts and Qt date-times (local time).
[[nodiscard]] QDateTime DateTimeOfDay(double day);
[[nodiscard]] double DayOfDateTime(const QDateTime &dateTime);

} // namespace kf
