#pragma once
// Pieces the commands share: argument reading and the analysis summary.

#include <chrono>
#include <optional>
#include <ostream>
#include <string>

#include <QString>

#include "cli/CliCommands.h"

namespace kf {
class TKestrafold;
}

namespace kf::cli {

// Reads `--name value` options and plain arguments in order. Errors are collected as text.
class ArgReader {
public:
    explicit ArgReader(const Args &args) : mArgs(args) {}
    // The next plain argument, or none.
    std::optional<std::string> Positional();
    // The value of `--name`, or none; an option without its value is an error.
    std::optional<std::string> Option(const std::string &name);
    bool Flag(const std::string &name);
    // After every known option was taken: anything left is an error.
    [[nodiscard]] bool Finish(std::ostream &err);
    std::string error;

private:
    Args mArgs;
    std::vector<bool> mUsed = std::vector<bool>(mArgs.size(), false);
};

// An absolute folder path ending with "/", or an empty text (and a message) when the path
// does not name a folder that can be opened.
[[nodiscard]] std::string CheckedFolderPath(const std::string &path, std::string &message);

[[nodiscard]] bool IsSizeUnit(const std::string &unit);

// The summary `scan` and `load` print.
void PrintSummary(const TKestrafold &engine, const QString &unit, std::chrono::duration<double> elapsed,
                  int top, std::ostream &out);

} // namespace kf::cli
