#include "engine/TExtInfo.h"

namespace kf {

std::string ExtKey(std::string_view ext)
{
    std::string key(ext);
    bool ascii = true;
    for (char &c : key) {
        if (static_cast<unsigned char>(c) >= 0x80)
            ascii = false;
        else if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    if (ascii)
        return key;
    // Letters beyond ASCII fold too when the bytes are UTF-8; other bytes stay as they are.
    const QString text = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
    const QByteArray back = text.toUtf8();
    if (back.size() != static_cast<qsizetype>(key.size()) || back != QByteArray(key.data(), static_cast<qsizetype>(key.size())))
        return key;
    return text.toUpper().toStdString();
}

} // namespace kf
