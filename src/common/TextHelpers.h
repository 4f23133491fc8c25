#pragma once
// Small text routines shared by the scanner, the settings and the writers.

#include <cstdint>
#include <string>
#include <string_view>

#include <QString>
#include <QStringList>

namespace kf {

// R, H, S, A, C, O, T for the bits set, in that order; empty for none.
[[nodiscard]] QString AttrLetters(int32_t attr);

// `text` padded with blanks to `width`: "LEFT", "RIGHT" or "CENTER" (the odd blank goes
// right). Never cut. Any other alignment word gives an empty text.
[[nodiscard]] QString PadText(const QString &text, int width, const QString &alignment);

// Cuts `text` at every `separator`; the pieces are trimmed of blanks. The text after the last
// separator becomes an entry only with `keepTail` and when it is not blank.
[[nodiscard]] QStringList SplitList(const QString &text, const QString &separator, bool keepTail);

// A name's bytes for display: UTF-8 where valid, a replacement mark for each bad byte.
[[nodiscard]] QString DisplayName(std::string_view bytes);
[[nodiscard]] inline std::string ToBytes(const QString &text) { return text.toStdString(); }

// Paths as the core keeps them: bytes, folders ending with "/".
[[nodiscard]] std::string WithTrailingSlash(std::string path);

} // namespace kf
