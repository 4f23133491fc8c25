#include "common/MaskMatch.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace kf {

namespace {

// One character: a code point for valid UTF-8, 0x110000 + byte for anything else.
void DecodeInto(std::string_view s, std::vector<char32_t> &out)
{
    out.clear();
    const auto *p = reinterpret_cast<const unsigned char *>(s.data());
    const size_t n = s.size();
    for (size_t i = 0; i < n;) {
        const unsigned char c = p[i];
        size_t len = 0;
        char32_t cp = 0;
        if (c < 0x80) {
            len = 1;
            cp = c;
        } else if ((c & 0xE0) == 0xC0 && c >= 0xC2) {
            len = 2;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07;
        }
        bool ok = len > 0 && i + len <= n;
        for (size_t k = 1; ok && k < len; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                ok = false;
            else
                cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        if (ok && len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF)))
            ok = false;
        if (ok && len == 4 && (cp < 0x10000 || cp > 0x10FFFF))
            ok = false;
        if (ok) {
            out.push_back(cp);
            i += len;
        } else {
            out.push_back(0x110000 + c);
            ++i;
        }
    }
}

std::vector<char32_t> Decode(std::string_view s)
{
    std::vector<char32_t> out;
    DecodeInto(s, out);
    return out;
}

char32_t Fold(char32_t c) { return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c; }

// A parsed "[...]" set starting at mask[pos] == '['. Empty when it is not well formed.
struct Set {
    size_t end = 0; // index just after "]"
    bool negate = false;
    std::vector<std::pair<char32_t, char32_t>> ranges;
};

std::optional<Set> ParseSet(const std::vector<char32_t> &mask, size_t pos, QString *why)
{
    Set set;
    size_t i = pos + 1;
    if (i < mask.size() && mask[i] == '!') {
        set.negate = true;
        ++i;
    }
    while (i < mask.size() && mask[i] != ']') {
        if (mask[i] == '-') {
            if (why)
                *why = QStringLiteral("a range in \"[...]\" has no first character");
            return std::nullopt;
        }
        const char32_t first = mask[i];
        char32_t last = first;
        if (i + 2 < mask.size() && mask[i + 1] == '-' && mask[i + 2] != ']') {
            last = mask[i + 2];
            i += 3;
        } else {
            ++i;
        }
        set.ranges.emplace_back(Fold(first), Fold(last));
    }
    if (i >= mask.size()) {
        if (why)
            *why = QStringLiteral("\"[\" has no closing \"]\"");
        return std::nullopt;
    }
    if (set.ranges.empty()) {
        if (why)
            *why = QStringLiteral("\"[]\" is an empty set");
        return std::nullopt;
    }
    set.end = i + 1;
    return set;
}

bool InSet(const Set &set, char32_t c)
{
    const char32_t f = Fold(c);
    bool in = false;
    for (const auto &[lo, hi] : set.ranges)
        if ((f >= lo && f <= hi) || (c >= lo && c <= hi))
            in = true;
    return in != set.negate;
}

} // namespace

QString MaskError(std::string_view maskBytes)
{
    const auto mask = Decode(maskBytes);
    for (size_t i = 0; i < mask.size(); ++i) {
        if (mask[i] != '[')
            continue;
        QString why;
        auto set = ParseSet(mask, i, &why);
        if (!set)
            return QStringLiteral("The mask \"%1\" is not valid: %2.")
                .arg(QString::fromUtf8(maskBytes.data(), static_cast<qsizetype>(maskBytes.size())), why);
        i = set->end - 1;
    }
    return {};
}

bool MaskMatch(std::string_view nameBytes, std::string_view maskBytes)
{
    // Called for every file of a scan with exclusions: keep the buffers.
    thread_local std::vector<char32_t> name, mask;
    DecodeInto(nameBytes, name);
    DecodeInto(maskBytes, mask);
    // Iterative matching with one backtrack point: the last "*" seen.
    size_t n = 0, m = 0;
    size_t starMask = SIZE_MAX, starName = 0;
    while (n < name.size()) {
        bool advanced = false;
        if (m < mask.size()) {
            const char32_t mc = mask[m];
            if (mc == '*') {
                starMask = m++;
                starName = n;
                continue;
            }
            if (mc == '?') {
                ++m;
                ++n;
                advanced = true;
            } else if (mc == '[') {
                if (auto set = ParseSet(mask, m, nullptr)) {
                    if (InSet(*set, name[n])) {
                        m = set->end;
                        ++n;
                        advanced = true;
                    }
                } else if (name[n] == '[') {
                    ++m;
                    ++n;
                    advanced = true;
                }
            } else if (Fold(mc) == Fold(name[n])) {
                ++m;
                ++n;
                advanced = true;
            }
        }
        if (advanced)
            continue;
        if (starMask == SIZE_MAX)
            return false;
        m = starMask + 1;
        n = ++starName;
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

} // namespace kf
