#include "cli/CliSupport.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <iomanip>
#include <sys/stat.h>
#include <unistd.h>

#include "common/SizeText.h"
#include "common/TextHelpers.h"
#include "engine/TFolderInfo.h"
#include "engine/TKestrafold.h"

namespace kf::cli {

std::optional<std::string> ArgReader::Positional()
{
    for (size_t i = 0; i < mArgs.size(); ++i) {
        if (mUsed[i])
            continue;
        if (mArgs[i].size() > 2 && mArgs[i].compare(0, 2, "--") == 0) {
            ++i; // skip its value when it has one; options are taken before positionals
            continue;
        }
        mUsed[i] = true;
        return mArgs[i];
    }
    return std::nullopt;
}

std::optional<std::string> ArgReader::Option(const std::string &name)
{
    for (size_t i = 0; i < mArgs.size(); ++i) {
        if (mUsed[i] || mArgs[i] != "--" + name)
            continue;
        mUsed[i] = true;
        if (i + 1 >= mArgs.size()) {
            error = "--" + name + " needs a value";
            return std::nullopt;
        }
        mUsed[i + 1] = true;
        return mArgs[i + 1];
    }
    return std::nullopt;
}

bool ArgReader::Flag(const std::string &name)
{
    for (size_t i = 0; i < mArgs.size(); ++i) {
        if (!mUsed[i] && mArgs[i] == "--" + name) {
            mUsed[i] = true;
            return true;
        }
    }
    return false;
}

bool ArgReader::Finish(std::ostream &err)
{
    if (error.empty()) {
        for (size_t i = 0; i < mArgs.size(); ++i) {
            if (!mUsed[i]) {
                error = "unexpected argument \"" + mArgs[i] + "\"";
                break;
            }
        }
    }
    if (!error.empty())
        err << "kestrafold: " << error << "\n";
    return error.empty();
}

std::string CheckedFolderPath(const std::string &path, std::string &message)
{
    if (path.empty()) {
        message = "no folder given";
        return {};
    }
    std::filesystem::path p(path);
    std::error_code ec;
    if (!p.is_absolute())
        p = std::filesystem::current_path(ec) / p;
    std::string abs = p.lexically_normal().string();
    struct stat st {};
    if (stat(abs.c_str(), &st) != 0) {
        message = "cannot analyse \"" + path + "\": " + std::strerror(errno);
        return {};
    }
    if (!S_ISDIR(st.st_mode)) {
        message = "cannot analyse \"" + path + "\": not a folder";
        return {};
    }
    const int fd = open(abs.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        message = "cannot analyse \"" + path + "\": " + std::strerror(errno);
        return {};
    }
    close(fd);
    return WithTrailingSlash(abs);
}

bool IsSizeUnit(const std::string &unit)
{
    return unit == "B" || unit == "KB" || unit == "MB" || unit == "GB" || unit == "GEN";
}

void PrintSummary(const TKestrafold &engine, const QString &unit, std::chrono::duration<double> elapsed,
                  int top, std::ostream &out)
{
    const TFolderInfo totals = ReadSize(engine.FoldList);
    auto size = [&](double v) { return SizeText(unit, QStringLiteral("##########0"), QStringLiteral("2"), v).toStdString(); };
    out << "Analysed path:      " << engine.sDrive << "\n"
        << "Files:              " << totals.cFiles << "\n"
        << "Folders:            " << totals.cFolders << "\n"
        << "Size:               " << size(totals.cFoldSize) << "\n"
        << "Size on disk:       " << size(totals.cASize) << "\n"
        << "Cluster size:       " << engine.iClustSize << " bytes\n"
        << "Unreadable folders: " << engine.Progress().cUnreadable.load() << "\n"
        << "Elapsed:            " << std::fixed << std::setprecision(3) << elapsed.count() << " s\n";
    std::vector<const TExtInfo *> rows;
    for (const auto &r : engine.ExtList)
        rows.push_back(r.get());
    std::stable_sort(rows.begin(), rows.end(), [](const TExtInfo *a, const TExtInfo *b) { return a->Size > b->Size; });
    if (rows.empty() || top <= 0)
        return;
    out << "Top extensions by size:\n";
    for (size_t i = 0; i < rows.size() && i < static_cast<size_t>(top); ++i) {
        const TExtInfo &r = *rows[i];
        const std::string ext = r.Ext.empty() ? "(none)" : DisplayName(r.Ext).toStdString();
        out << "  " << std::left << std::setw(12) << ext << " " << std::setw(34) << r.sType.left(34).toStdString()
            << std::right << std::setw(10) << r.Files << " files  " << std::setw(14) << size(r.Size) << "\n";
    }
}

} // namespace kf::cli
