#pragma once
// The command line: `kestrafold COMMAND ARGS...`. Each command is one function in a file of
// its own; the table in CliCommands.cpp lists them.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace kf::cli {

using Args = std::vector<std::string>;

struct Command {
    const char *name;
    const char *usage; // one line, shown by `kestrafold help`
    std::function<int(const Args &args, std::ostream &out, std::ostream &err)> run;
};

// Exit codes.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1; // the work could not be done (bad path, unreadable file)
inline constexpr int kExitUsage = 2;  // the arguments were wrong

[[nodiscard]] const std::vector<Command> &Commands();
int RunCommandLine(const Args &args, std::ostream &out, std::ostream &err);

// The commands.
int CmdScan(const Args &args, std::ostream &out, std::ostream &err);

} // namespace kf::cli
