#include "common/SizeText.h"

#include <cmath>
#include <cstdio>
#include <string>

#include <QLocale>

namespace kf {

namespace {

// Rounds the decimal digits of `text` (a plain "[-]digits[.digits]" string holding the exact
// value of a double) to `decimals` places, halves away from zero.
std::string RoundDigits(std::string text, int decimals)
{
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        text.erase(0, 1);
    size_t dot = text.find('.');
    if (dot == std::string::npos) {
        dot = text.size();
        text += '.';
    }
    text.append(static_cast<size_t>(decimals) + 1, '0');
    const size_t keep = dot + 1 + static_cast<size_t>(decimals);
    const bool roundUp = text[keep] >= '5';
    text.resize(keep);
    std::string digits = text.substr(0, dot) + text.substr(dot + 1);
    if (roundUp) {
        int i = static_cast<int>(digits.size()) - 1;
        for (; i >= 0; --i) {
            if (digits[static_cast<size_t>(i)] == '9') {
                digits[static_cast<size_t>(i)] = '0';
            } else {
                ++digits[static_cast<size_t>(i)];
                break;
            }
        }
        if (i < 0)
            digits.insert(0, 1, '1');
    }
    const size_t intLen = digits.size() - static_cast<size_t>(decimals);
    std::string out = digits.substr(0, intLen);
    const size_t firstNonZero = out.find_first_not_of('0');
    out = firstNonZero == std::string::npos ? "0" : out.substr(firstNonZero);
    if (decimals > 0)
        out += '.' + digits.substr(intLen);
    const bool allZero = out.find_first_not_of("0.") == std::string::npos;
    return (negative && !allZero) ? '-' + out : out;
}

} // namespace

QString FormatFixed(double value, int decimals, QChar decimalPoint)
{
    if (!std::isfinite(value))
        return QString::number(value);
    decimals = std::clamp(decimals, 0, 30);
    // printf rounds the exact binary value correctly except on exact ties, where it goes to the
    // even neighbour; only values near a tie take the slower exact path.
    const double scaled = std::fabs(value) * std::pow(10.0, decimals);
    const double frac = scaled - std::floor(scaled);
    std::string text;
    char buf[400];
    if (std::fabs(frac - 0.5) > 1e-6 && scaled < 1e15) {
        std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
        text = buf;
        if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
            text.erase(0, 1);
    } else {
        std::snprintf(buf, sizeof buf, "%.60f", value);
        text = RoundDigits(buf, decimals);
    }
    QString out = QString::fromLatin1(text.c_str());
    if (decimalPoint != QLatin1Char('.'))
        out.replace(QLatin1Char('.'), decimalPoint);
    return out;
}

QString SizeText(const QString &unit, const QString &pattern, const QString &decimals, double value)
{
    Q_UNUSED(pattern); // every pattern of "#"s ending in "0" prints the integral part in full
    bool ok = false;
    int places = decimals.trimmed().toInt(&ok);
    if (!ok || places < 0)
        places = 2;
    const QChar point = QLocale().decimalPoint().at(0);
    auto withDecimals = [&](double v) { return FormatFixed(v, places, point); };
    auto whole = [&](double v) { return FormatFixed(v, 0, point); };

    if (unit == QLatin1String("B"))
        return whole(value) + QLatin1String(" bytes");
    if (unit == QLatin1String("KB"))
        return withDecimals(value / 1024.0) + QLatin1String(" KB");
    if (unit == QLatin1String("MB"))
        return withDecimals(value / 1048576.0) + QLatin1String(" MB");
    if (unit == QLatin1String("GB"))
        return withDecimals(value / 1073741824.0) + QLatin1String(" GB");
    if (unit == QLatin1String("GEN")) {
        if (value < 1024)
            return whole(value) + QLatin1String(" bytes");
        double v = value / 1024.0;
        if (v < 1024)
            return withDecimals(v) + QLatin1String(" KB");
        v /= 1024.0;
        if (v < 1024)
            return withDecimals(v) + QLatin1String(" MB");
        return withDecimals(v / 1024.0) + QLatin1String(" GB");
    }
    QString general = QString::number(value, 'g', 15);
    if (point != QLatin1Char('.'))
        general.replace(QLatin1Char('.'), point);
    return general;
}

} // namespace kf
