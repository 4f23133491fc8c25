#include "common/TextHelpers.h"

namespace kf {

QString AttrLetters(int32_t attr)
{
    static constexpr struct {
        int32_t bit;
        char letter;
    } kLetters[] = {{1, 'R'}, {2, 'H'}, {4, 'S'}, {32, 'A'}, {2048, 'C'}, {4096, 'O'}, {256, 'T'}};
    QString out;
    for (const auto &l : kLetters)
        if (attr & l.bit)
            out += QLatin1Char(l.letter);
    return out;
}

QString PadText(const QString &text, int width, const QString &alignment)
{
    const int n = width - static_cast<int>(text.size());
    const bool left = alignment == QLatin1String("LEFT");
    const bool right = alignment == QLatin1String("RIGHT");
    const bool center = alignment == QLatin1String("CENTER");
    if (!left && !right && !center)
        return {};
    if (n <= 0)
        return text;
    if (left)
        return text + QString(n, QLatin1Char(' '));
    if (right)
        return QString(n, QLatin1Char(' ')) + text;
    return QString(n / 2, QLatin1Char(' ')) + text + QString(n - n / 2, QLatin1Char(' '));
}

QStringList SplitList(const QString &text, const QString &separator, bool keepTail)
{
    QStringList out;
    if (separator.isEmpty()) {
        if (keepTail && !text.trimmed().isEmpty())
            out << text.trimmed();
        return out;
    }
    qsizetype start = 0;
    for (;;) {
        const qsizetype at = text.indexOf(separator, start);
        if (at < 0)
            break;
        out << text.mid(start, at - start).trimmed();
        start = at + separator.size();
    }
    const QString tail = text.mid(start).trimmed();
    if (keepTail && !tail.isEmpty())
        out << tail;
    return out;
}

QString DisplayName(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string WithTrailingSlash(std::string path)
{
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

} // namespace kf
