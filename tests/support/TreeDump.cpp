#include "support/TreeDump.h"

#include <cmath>
#include <functional>
#include <map>
#include <sstream>

namespace kf::test {

std::string DumpTree(const TKestrafold &engine)
{
    std::ostringstream out;
    out.precision(17);
    std::function<void(const TFoldInfo::List &)> walk = [&](const TFoldInfo::List &list) {
        for (const TFoldInfo *r : list) {
            // Reading a folder may touch its access time, so two scans differ there.
            out << engine.FullName(r) << '|' << (r->isFolder() ? 'D' : 'F') << '|' << r->cSize << '|' << r->cASize
                << '|' << r->iAttr << '|' << (r->isFolder() ? 0.0 : r->LADate) << '|' << r->LMDate << '|' << r->CreaDate << '|'
                << r->cFiles() << '|' << r->sType().toStdString() << '|' << r->iIconIndex() << '\n';
            if (r->isFolder())
                walk(*r->SubList());
        }
    };
    walk(engine.FoldList);
    for (const auto &row : engine.ExtList)
        out << "ext " << row->Ext << '|' << row->sType.toStdString() << '|' << row->iIcon << '|' << row->Files
            << '|' << row->Size << '|' << row->ASize << '\n';
    return out.str();
}

std::string CheckInvariants(const TKestrafold &engine)
{
    std::ostringstream problems;
    int files = 0;
    std::map<std::string, int> perExt;
    std::function<void(const TFoldInfo::List &, const TFoldInfo *)> walk = [&](const TFoldInfo::List &list,
                                                                              const TFoldInfo *folder) {
        uint32_t filesHere = 0;
        for (const TFoldInfo *r : list) {
            if (!r) {
                problems << "empty slot under " << (folder ? engine.GetPath(folder) : engine.sDrive) << '\n';
                continue;
            }
            if (r->PFoldInfo != folder)
                problems << "wrong parent: " << engine.FullName(r) << '\n';
            if (r->isFolder()) {
                if (r->sType() != QLatin1String("File Folder") || !r->sExt().empty() || !r->SubList())
                    problems << "bad folder record: " << engine.FullName(r) << '\n';
                walk(*r->SubList(), r);
            } else {
                ++filesHere;
                ++files;
                ++perExt[ExtKey(r->sExt())];
                if (r->SubList())
                    problems << "file with SubList: " << engine.FullName(r) << '\n';
                const double clusters = r->cASize / engine.iClustSize;
                if (r->cASize < r->cSize || clusters != std::floor(clusters))
                    problems << "allocated size " << r->cASize << " for " << r->cSize << ": " << engine.FullName(r)
                             << '\n';
            }
        }
        if (folder && folder->cFiles() != filesHere)
            problems << "cFiles " << folder->cFiles() << " but " << filesHere << " files in "
                     << engine.GetPath(folder) << '\n';
    };
    walk(engine.FoldList, nullptr);
    int rowFiles = 0;
    std::map<std::string, int> rowKeys;
    for (const auto &row : engine.ExtList) {
        rowFiles += row->Files;
        if (++rowKeys[ExtKey(row->Ext)] > 1)
            problems << "two rows for extension " << row->Ext << '\n';
        if (perExt[ExtKey(row->Ext)] != row->Files)
            problems << "row " << row->Ext << " counts " << row->Files << " files, the tree has "
                     << perExt[ExtKey(row->Ext)] << '\n';
    }
    if (rowFiles != files)
        problems << "extension rows count " << rowFiles << " files, the tree has " << files << '\n';
    return problems.str();
}

} // namespace kf::test
