#pragma once
// One analysis: the record tree of a scanned (or loaded) folder and its extension rows.
//
// The engine owns every record (in its arenas), FoldList, every SubList and ExtList; other
// holders keep plain pointers. Its operations are synchronous and run on the caller's thread
// (the windows call them from a worker thread); a scan fans out to its own pool of threads.
// Terminated may be set from any thread and is polled between two entries.

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

#include "engine/TDirEntry.h"
#include "engine/TExtInfo.h"
#include "engine/TFoldInfo.h"
#include "engine/TRecordArena.h"

namespace kf {

// What a running scan has done so far; readable from any thread while it runs.
class TScanProgress {
public:
    std::atomic<uint64_t> cFiles{0};
    std::atomic<uint64_t> cFolders{0};
    std::atomic<uint64_t> cUnreadable{0}; // folders that could not be listed

    // The folder being entered, as the progress window shows it.
    [[nodiscard]] std::string CurrentPath() const;
    void SetCurrentPath(const std::string &path);
    void Reset();

private:
    mutable std::mutex mMutex;
    std::string mPath;
};

class TKestrafold {
public:
    // Create: an idle engine with empty criteria and sExFileFilt filled by LoadFilters.
    TKestrafold();
    ~TKestrafold();
    TKestrafold(const TKestrafold &) = delete;
    TKestrafold &operator=(const TKestrafold &) = delete;

    // Fills sExFileFilt from the setting ExFiles, split at each "|".
    void LoadFilters();

    // Plain scan of sPath (a folder path; "/" appended when missing). Returns true; a scan
    // stopped by Terminated also returns true and keeps what it found.
    bool Analyze(const std::string &sPath);

    // Scans the folder sPath (ending with "/") and everything below it into `list`, whose
    // records get `parent`. Runs on the engine's thread pool; extension rows are not touched
    // (RebuildExtList does that).
    bool ScanMe(const std::string &sPath, TFoldInfo::List &list, TFoldInfo *parent);

    // Handles one directory entry of the folder sPath as the plain scan (custom false) or the
    // custom scan (custom true) does, appending a record to `list` when the entry is kept.
    // A folder entry is then scanned at once. Returns the new record, or none.
    TFoldInfo *AddFoldInfo(const std::string &sPath, TFoldInfo *parent, TFoldInfo::List &list,
                           const TDirEntry &entry, bool custom);

    // The cluster size table applied to the volume of sDrive; 0 when it gives none.
    [[nodiscard]] uint32_t GetClusterSize(const std::string &sDrive) const;

    // The analysed path, then every folder's name from the top down to the record (the
    // record included when it is a folder), each followed by "/".
    [[nodiscard]] std::string GetPath(const TFoldInfo *record) const;
    [[nodiscard]] std::string FullName(const TFoldInfo *record) const;

    // The row of ExtList for the extension, compared without regard to case; none if absent.
    [[nodiscard]] TExtInfo *FindExt(std::string_view ext) const;

    // Rebuilds ExtList from the tree, depth first in list order, as a sequential scan makes
    // it; each file record takes its row's type and icon.
    void RebuildExtList();

    // Releases the analysis: records, lists, rows. The engine can scan or load again.
    void DeAnalyze();

    // For builders (loader, update, file operations): the arena of this analysis.
    [[nodiscard]] TRecordArena &Arena() { return *mArenas.front(); }
    void AdoptArena(std::unique_ptr<TRecordArena> arena) { mArenas.push_back(std::move(arena)); }
    // The type index a new record takes: folders, and files by extension (as the shell and
    // sDUShell say).
    [[nodiscard]] uint32_t FolderTypeIndex() const;
    [[nodiscard]] uint32_t FileTypeIndex(std::string_view ext) const;
    // Renames a record in memory (bytes).
    void SetRecordName(TFoldInfo *record, std::string_view name) { Arena().SetName(record, name); }

    // Whether the folder sPath + name + "/" is excluded by the setting ExPaths (whole entries).
    [[nodiscard]] bool IsExcludedPath(const std::string &folderPath) const;
    // Whether a file name matches one of sExFileFilt.
    [[nodiscard]] bool IsExcludedFile(std::string_view name) const;
    // The custom scan's file test (criteria fields below). Set by the custom scan.
    [[nodiscard]] bool CustFilter(const TDirEntry &entry) const;

    // Reads ExPaths, SIcons and the cluster size for a scan of sDrive (steps shared by the
    // plain scan, custom scan, update and load).
    void PrepareScan();

    TScanProgress &Progress() { return mProgress; }
    [[nodiscard]] const TScanProgress &Progress() const { return mProgress; }

    // Worker threads of a scan; 0 means one per core.
    unsigned iThreads = 0;

    std::string sDrive;    // the analysed path, ending with "/"
    std::string sSavePath; // the saved analysis it was loaded from; empty for a scan
    TFoldInfo::List FoldList;
    TExtList ExtList;
    uint32_t iClustSize = 4096;
    std::atomic<bool> Terminated{false};
    QString sDUShell; // SIcons as it was when the analysis was made
    bool bCustScan = false;
    std::vector<std::string> sExFileFilt; // exclusion masks (bytes)

    // Custom scan criteria.
    QString sCriteria;
    QStringList sCustCriteria;
    bool bFAllFiles = false;
    double iFileSize = 0;
    QString sFileUnit;
    QString sFileGLE;
    bool bDAllFiles = false;
    QString sDateType;
    double dFromDate = 0;
    double dToDate = 0;
    bool bAAllFiles = false;
    bool bAArchive = false;
    bool bAReadOnly = false;
    bool bASystem = false;
    bool bAHidden = false;
    bool bACompressed = false;
    bool bAOffline = false;
    bool bATemporary = false;

private:
    friend class TScanner;
    std::vector<std::unique_ptr<TRecordArena>> mArenas;
    std::vector<std::string> mExPaths; // whole entries of ExPaths, read when a scan starts
    int32_t mFolderIcon = 0;
    TScanProgress mProgress;
};

} // namespace kf
