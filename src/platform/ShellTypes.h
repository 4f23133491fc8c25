#pragma once
// Type names and icons of extensions, from the freedesktop shared MIME database.
//
// Icons are indices into one process-wide table of icon names; the windows turn a name into
// an icon of the desktop theme (or one of our own). Both lookups are cached per extension
// and safe from any thread.

#include <cstdint>
#include <string_view>

#include <QString>

namespace kf {

// Our own image list: a folder and a plain file.
inline constexpr int32_t kOwnFolderIcon = 3;
inline constexpr int32_t kOwnFileIcon = 6;

// The type name of an extension (".txt" → "plain text document"; "EXT File" when the
// database only knows it as bytes; "File" without an extension).
[[nodiscard]] QString TypeNameOfExt(std::string_view ext);

// The icon table index for an extension, and for a folder.
[[nodiscard]] int32_t IconIndexOfExt(std::string_view ext);
[[nodiscard]] int32_t FolderIconIndex();

// The icon name at a table index ("text-plain"); empty for an unknown index.
[[nodiscard]] QString IconNameAt(int32_t index);

} // namespace kf
