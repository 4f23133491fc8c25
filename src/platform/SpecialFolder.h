#pragma once
// Special folders the summaries and file lists ask for by their old numeric ids.

#include <string>
#include <vector>

namespace kf {

inline constexpr int kInternetCacheId = 32;

// The browsers' cache folders that exist under the user's XDG cache directory, each ending
// with "/". Empty when there is none.
[[nodiscard]] std::vector<std::string> InternetCachePaths();

// The path of the special folder `id`, ending with "/"; empty when there is none. An empty
// path is a prefix of nothing: callers test it before matching (see PathHasPrefix).
[[nodiscard]] std::string SpecialFolderPath(int id);

// `path` starts with `prefix`; an empty prefix matches nothing.
[[nodiscard]] bool PathHasPrefix(const std::string &path, const std::string &prefix);

} // namespace kf
