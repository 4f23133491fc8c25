#pragma once
// File-name masks: "*" any run, "?" one character, "[a-f]" / "[!a-f]" one character of (not
// of) a set; letters a to z match without regard to case; "*.*" needs a dot.
//
// Names are bytes. Valid UTF-8 sequences count as one character; any other byte counts as
// one character by itself, so every name can be matched.

#include <string_view>

#include <QString>

namespace kf {

// Why the mask is not well formed ("[" without "]", an empty set, a range without a first
// character), or an empty text when it is fine. Masks come from the user: check them where
// they are typed. MaskMatch never fails on a bad mask: a "[" that opens no valid set
// stands for itself.
[[nodiscard]] QString MaskError(std::string_view mask);
[[nodiscard]] inline QString MaskError(const QString &mask) { return MaskError(mask.toStdString()); }

[[nodiscard]] bool MaskMatch(std::string_view name, std::string_view mask);

} // namespace kf
