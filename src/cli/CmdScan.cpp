#include <chrono>

#include "cli/CliSupport.h"
#include "engine/TKestrafold.h"

namespace kf::cli {

int CmdScan(const Args &args, std::ostream &out, std::ostream &err)
{
    ArgReader reader(args);
    const std::string unit = reader.Option("unit").value_or("GEN");
    const std::string threads = reader.Option("threads").value_or("0");
    const std::string top = reader.Option("top").value_or("10");
    const auto path = reader.Positional();
    if (!reader.Finish(err))
        return kExitUsage;
    if (!path) {
        err << "kestrafold: scan needs a folder to analyse\n";
        return kExitUsage;
    }
    if (!IsSizeUnit(unit)) {
        err << "kestrafold: --unit must be one of B, KB, MB, GB, GEN (not \"" << unit << "\")\n";
        return kExitUsage;
    }
    int threadCount = 0, topCount = 0;
    try {
        threadCount = std::stoi(threads);
        topCount = std::stoi(top);
    } catch (...) {
        threadCount = topCount = -1;
    }
    if (threadCount < 0 || threadCount > 256 || topCount < 0) {
        err << "kestrafold: --threads and --top take a whole number (threads 0 to 256; 0 = one per core)\n";
        return kExitUsage;
    }
    std::string message;
    const std::string folder = CheckedFolderPath(*path, message);
    if (folder.empty()) {
        err << "kestrafold: " << message << "\n";
        return kExitFailed;
    }
    TKestrafold engine;
    engine.iThreads = static_cast<unsigned>(threadCount);
    const auto start = std::chrono::steady_clock::now();
    engine.Analyze(folder);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    if (engine.FoldList.empty()) {
        out << "No files and folders were found\n";
        return kExitOk;
    }
    PrintSummary(engine, QString::fromStdString(unit), elapsed, topCount, out);
    return kExitOk;
}

} // namespace kf::cli
