#include "engine/TKestrafold.h"

#include <algorithm>
#include <unordered_map>

#include "common/MaskMatch.h"
#include "common/TOptions.h"
#include "common/TextHelpers.h"
#include "engine/TScanner.h"
#include "engine/TTypeTable.h"
#include "platform/ShellTypes.h"
#include "platform/VolumeInfo.h"

namespace kf {

std::string TScanProgress::CurrentPath() const
{
    std::lock_guard lock(mMutex);
    return mPath;
}

void TScanProgress::SetCurrentPath(const std::string &path)
{
    std::lock_guard lock(mMutex);
    mPath = path;
}

void TScanProgress::Reset()
{
    cFiles = 0;
    cFolders = 0;
    cUnreadable = 0;
    SetCurrentPath({});
}

TKestrafold::TKestrafold()
{
    mArenas.push_back(std::make_unique<TRecordArena>());
    LoadFilters();
}

TKestrafold::~TKestrafold() { DeAnalyze(); }

void TKestrafold::LoadFilters()
{
    sExFileFilt.clear();
    for (const QString &mask : SplitList(Options().registry.sExFiles, QStringLiteral("|"), true))
        sExFileFilt.push_back(mask.toStdString());
}

void TKestrafold::PrepareScan()
{
    mExPaths.clear();
    for (const QString &path : SplitList(Options().registry.sExPaths, QStringLiteral("|"), true))
        if (!path.isEmpty())
            mExPaths.push_back(path.toStdString());
    std::sort(mExPaths.begin(), mExPaths.end());
    const uint32_t clust = GetClusterSize(sDrive);
    iClustSize = clust ? clust : 4096;
    sDUShell = Options().registry.sSIcons;
    mFolderIcon = sDUShell == QLatin1String("1") ? kOwnFolderIcon : FolderIconIndex();
}

bool TKestrafold::Analyze(const std::string &sPath)
{
    DeAnalyze();
    sDrive = WithTrailingSlash(sPath);
    mProgress.Reset();
    PrepareScan();
    ScanMe(sDrive, FoldList, nullptr);
    RebuildExtList();
    return true;
}

bool TKestrafold::ScanMe(const std::string &sPath, TFoldInfo::List &list, TFoldInfo *parent)
{
    TScanner scanner(*this, [this](const TDirEntry &e) { return !IsExcludedFile(e.sName); });
    scanner.AddRoot(WithTrailingSlash(sPath), &list, parent);
    scanner.Run();
    return true;
}

TFoldInfo *TKestrafold::AddFoldInfo(const std::string &sPath, TFoldInfo *parent, TFoldInfo::List &list,
                                    const TDirEntry &entry, bool custom)
{
    if (entry.sName == "." || entry.sName == "..")
        return nullptr;
    if (entry.bDirectory) {
        const std::string path = WithTrailingSlash(sPath) + std::string(entry.sName) + "/";
        mProgress.SetCurrentPath(path);
        if (IsExcludedPath(path))
            return nullptr;
        TFolderRec *rec = Arena().NewFolder(entry.sName);
        rec->SetTypeIndex(FolderTypeIndex());
        rec->iAttr = entry.iAttr;
        rec->LADate = entry.LADate;
        rec->LMDate = entry.LMDate;
        rec->CreaDate = entry.CreaDate;
        rec->iUid = entry.iUid;
        rec->PFoldInfo = parent;
        list.push_back(rec);
        if (custom) {
            TScanner scanner(*this, [this](const TDirEntry &e) { return CustFilter(e); });
            scanner.AddRoot(path, &rec->mSubList, rec);
            scanner.Run();
        } else {
            ScanMe(path, rec->mSubList, rec);
        }
        return rec;
    }
    if (custom ? !CustFilter(entry) : IsExcludedFile(entry.sName))
        return nullptr;
    TFoldInfo *rec = Arena().NewFile(entry.sName);
    rec->cSize = static_cast<double>(entry.cSize);
    const uint64_t clust = iClustSize ? iClustSize : 4096;
    rec->cASize = static_cast<double>((entry.cSize + clust - 1) / clust * clust);
    rec->iAttr = entry.iAttr;
    rec->LADate = entry.LADate;
    rec->LMDate = entry.LMDate;
    rec->CreaDate = entry.CreaDate;
    rec->iUid = entry.iUid;
    rec->PFoldInfo = parent;
    const std::string_view ext = rec->sExt();
    if (TExtInfo *row = FindExt(ext)) {
        rec->SetTypeIndex(TTypeTable::Instance().Intern(row->sType, row->iIcon));
        row->Files += 1;
        row->Size += rec->cSize;
        row->ASize += rec->cASize;
    } else {
        rec->SetTypeIndex(FileTypeIndex(ext));
        auto row2 = std::make_unique<TExtInfo>();
        row2->sType = rec->sType();
        row2->Ext = std::string(ext);
        row2->iIcon = rec->iIconIndex();
        row2->Files = 1;
        row2->Size = rec->cSize;
        row2->ASize = rec->cASize;
        ExtList.push_back(std::move(row2));
    }
    if (parent)
        parent->SetcFiles(parent->cFiles() + 1);
    list.push_back(rec);
    return rec;
}

uint32_t TKestrafold::GetClusterSize(const std::string &drive) const
{
    QString fsName;
    double total = 0;
    if (!VolumeOfPath(drive, fsName, total))
        return 0;
    return ClusterSizeFor(fsName, total);
}

std::string TKestrafold::GetPath(const TFoldInfo *record) const
{
    std::vector<std::string_view> names;
    for (const TFoldInfo *r = record; r; r = r->PFoldInfo)
        if (r->isFolder())
            names.push_back(r->sName());
    std::string path = sDrive;
    if (path.empty() || path.back() != '/')
        path += '/';
    for (auto it = names.rbegin(); it != names.rend(); ++it) {
        path.append(it->data(), it->size());
        path += '/';
    }
    return path;
}

std::string TKestrafold::FullName(const TFoldInfo *record) const
{
    if (record->isFolder())
        return GetPath(record);
    std::string path = GetPath(record);
    path.append(record->sName());
    return path;
}

TExtInfo *TKestrafold::FindExt(std::string_view ext) const
{
    const std::string key = ExtKey(ext);
    for (const auto &row : ExtList)
        if (ExtKey(row->Ext) == key)
            return row.get();
    return nullptr;
}

void TKestrafold::RebuildExtList()
{
    ExtList.clear();
    std::unordered_map<std::string_view, size_t> exact; // views into record names: stable
    std::unordered_map<std::string, size_t> folded;
    std::vector<uint32_t> rowType;
    std::vector<std::pair<TFoldInfo::List *, size_t>> stack{{&FoldList, 0}};
    while (!stack.empty()) {
        auto &[list, pos] = stack.back();
        if (pos == list->size()) {
            stack.pop_back();
            continue;
        }
        TFoldInfo *rec = (*list)[pos++];
        if (!rec)
            continue;
        if (rec->isFolder()) {
            stack.emplace_back(rec->SubList(), 0);
            continue;
        }
        const std::string_view ext = rec->sExt();
        size_t row;
        if (auto it = exact.find(ext); it != exact.end()) {
            row = it->second;
        } else {
            const std::string key = ExtKey(ext);
            if (auto f = folded.find(key); f != folded.end()) {
                row = f->second;
            } else {
                row = ExtList.size();
                auto info = std::make_unique<TExtInfo>();
                info->sType = rec->sType();
                info->Ext = std::string(ext);
                info->iIcon = rec->iIconIndex();
                ExtList.push_back(std::move(info));
                rowType.push_back(rec->iTypeIndex());
                folded.emplace(key, row);
            }
            exact.emplace(ext, row);
        }
        TExtInfo &info = *ExtList[row];
        rec->SetTypeIndex(rowType[row]); // case variants take the type of the form met first
        info.Files += 1;
        info.Size += rec->cSize;
        info.ASize += rec->cASize;
    }
}

uint32_t TKestrafold::FolderTypeIndex() const { return TTypeTable::Instance().FolderType(mFolderIcon); }

uint32_t TKestrafold::FileTypeIndex(std::string_view ext) const
{
    const int32_t icon = sDUShell == QLatin1String("1") ? kOwnFileIcon : IconIndexOfExt(ext);
    return TTypeTable::Instance().Intern(TypeNameOfExt(ext), icon);
}

bool TKestrafold::IsExcludedPath(const std::string &folderPath) const
{
    return !mExPaths.empty() && std::binary_search(mExPaths.begin(), mExPaths.end(), folderPath);
}

bool TKestrafold::IsExcludedFile(std::string_view name) const
{
    for (const auto &mask : sExFileFilt)
        if (MaskMatch(name, mask))
            return true;
    return false;
}

void TKestrafold::DeAnalyze()
{
    FoldList.clear();
    FoldList.shrink_to_fit();
    ExtList.clear();
    // Every record, in the tree or taken out of it, lives in an arena.
    mArenas.clear();
    mArenas.push_back(std::make_unique<TRecordArena>());
}

} // namespace kf
