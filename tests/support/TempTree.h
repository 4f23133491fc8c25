#pragma once
// A temporary folder tree made by a test, removed (however deep) when it goes out of scope.

#include <cstdint>
#include <string>
#include <vector>

namespace kf::test {

class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree &) = delete;
    TempTree &operator=(const TempTree &) = delete;

    // The root, ending with "/".
    [[nodiscard]] const std::string &Root() const { return mRoot; }
    [[nodiscard]] std::string Path(const std::string &relative) const { return mRoot + relative; }

    // Makes a folder (and its parents) below the root.
    void Dir(const std::string &relative) const;
    // Makes a file of `size` bytes (sparse: no data written), parents included.
    void File(const std::string &relative, uint64_t size = 0) const;
    void Symlink(const std::string &relative, const std::string &target) const;
    // Sets a file's modification and access times (seconds since 1970, UTC).
    void Times(const std::string &relative, int64_t modified, int64_t accessed) const;

private:
    std::string mRoot;
};

// Removes a folder and everything below it, also deeper than PATH_MAX.
void RemoveTree(const std::string &path);

// Runs a shell command and returns what it printed on standard output.
std::string Shell(const std::string &command);

} // namespace kf::test
