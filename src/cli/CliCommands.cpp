#include "cli/CliCommands.h"

namespace kf::cli {

const std::vector<Command> &Commands()
{
    static const std::vector<Command> commands = {
        {"scan", "scan PATH [--unit B|KB|MB|GB|GEN] [--threads N] [--top N]", CmdScan},
    };
    return commands;
}

namespace {
void Usage(std::ostream &out)
{
    out << "Usage: kestrafold COMMAND ARGUMENTS\n"
           "       kestrafold PATH            (the same as: kestrafold scan PATH)\n\nCommands:\n";
    for (const auto &c : Commands())
        out << "  kestrafold " << c.usage << "\n";
}
} // namespace

int RunCommandLine(const Args &args, std::ostream &out, std::ostream &err)
{
    if (args.empty()) {
        Usage(err);
        return kExitUsage;
    }
    if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        Usage(out);
        return kExitOk;
    }
    for (const auto &c : Commands())
        if (args[0] == c.name)
            return c.run(Args(args.begin() + 1, args.end()), out, err);
    // A bare path is a scan of it.
    if (!args[0].empty() && args[0][0] != '-')
        return CmdScan(args, out, err);
    err << "kestrafold: unknown command \"" << args[0] << "\"\n";
    Usage(err);
    return kExitUsage;
}

} // namespace kf::cli
