#pragma once
// Sizes as the user reads them, in the unit and with the decimals the settings give.

#include <QString>

namespace kf {

// unit: "B", "KB", "MB", "GB" or "GEN" (automatic); pattern: "#...#0"; decimals: a decimal
// integer as text (anything else counts as 2, the settings' default). Rounds halves away from
// zero on the exact value, uses the locale's decimal separator, never groups digits.
[[nodiscard]] QString SizeText(const QString &unit, const QString &pattern, const QString &decimals,
                               double value);

// The value printed with `decimals` decimals, rounding halves away from zero (exactly, on the
// binary value), with the given decimal separator and no grouping.
[[nodiscard]] QString FormatFixed(double value, int decimals, QChar decimalPoint = QLatin1Char('.'));

} // namespace kf
