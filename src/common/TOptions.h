#pragma once
// The process-wide settings record and the run-time state the windows share.
// Read once at start, changed in memory, written once at the end (TSettingsStore).

#include <atomic>
#include <cstdint>

#include <QString>
#include <QStringList>

namespace kf {

// The settings held as text, each stored under the value name in its comment.
struct TReginfo {
    QString sDecimals;     // "Decimals": decimals of size texts ("2" when blank)
    QString sShowTips;     // "ShowTips": "1" shows the getting-started window ("1" when blank)
    // Masks of the custom types "Junk Files", "Temporary Files", "Compressed Files",
    // "Image Files", "Audio Files", "Video Files": taken from the custom type list, not stored.
    QString sJFilter, sTFilter, sCFilter, sIFilter, sAFilter, sVFilter;
    QString sQuickHelp;    // "QuickHelp"
    QString sBigFileSize;  // "BigFileSize": decimal integer
    QString sBigFileUnit;  // "BigFileUnit": "MB" or "GB"
    QString sOldFilesDType; // "OldFilesDType": "Accessed" or "Modified"
    QString sOldFilesTime; // "OldFilesTime": decimal integer
    QString sOldFilesUnit; // "OldFilesUnit": "Days", "Months" or "Years"
    QString sSIcons;       // "SIcons": "1" means the program's own icons
    QString sExPaths;      // "ExPaths": excluded folders, each a full path ending "/" then "|"
    QString sExFiles;      // "ExFiles": excluded file masks, each followed by "|"
    QString sFontName;     // "FontName" ("Tahoma" when blank)
    QString sFontSize;     // "FontSize" ("8" when blank)
    QString sCSVSep;       // "CSVSep": ",", ";", "Tab" or any text ("," when empty)
    QString sHistoryPaths; // "HistoryPaths": each path followed by ";"
    QString sCustPaths;    // "CustPaths": each path followed by ";"
    QString sColWidths;    // "ColWidths": decimal integers separated by ","
    QString sVColWidths;   // "VColWidths"
    QString sAFColWidths;  // "AFColWidths"
    QString sColVisible;   // "ColVisible": "1"/"0" per column, separated by ","
    QString sVColVisible;  // "VColVisible"
    QString sAFColVisible; // "AFColVisible"
    QString sDefExpPath;   // "DefExpPath": default folder of exported reports
};

struct TOptions {
    int32_t iTreeFilter = 0; // "TreeFilter": folder tree prefix, 0 to 5
    int32_t iTreeSort = 0;   // "TreeSort": folder tree order, 0 to 2
    QString sSizeType;       // "SizeType": size unit of the lists
    TReginfo registry;

    // A scan, custom scan or load is running: a second one is refused.
    std::atomic<bool> bScanning{false};
    // Computed flags of the summary tables for the current selection.
    bool bExtScanned = false, bAttrScanned = false, bSizeScanned = false, bDateScanned = false,
         bTimeScanned = false, bOwnerScanned = false, bSpScanned = false, bDupScanned = false,
         bAllFoldScanned = false;
    QString sColumns;
    // Sort columns and directions (0 ascending, 1 descending) of the contents list (1), the
    // summary tables (2 to 8) and the all-folders list (9); 1, 2, 8 and 9 are stored.
    int32_t iLVSort[10] = {};
    int32_t iLVSortOrder[10] = {};
    int32_t iVSort = 0; // "VSort": file viewer
    int32_t iVSortOrder = 0;
    int32_t LStartIndex = 0, LEndIndex = 0, ExStartIndex = 0, ExEndIndex = 0;
    int32_t iEditStatus = 0;
    // An update is running.
    std::atomic<bool> bRescanning{false};
    QString sFTSizeType; // "FTSizeType": unit of the tree prefixes
    QString sSBSizeType; // "SBSizeType": unit of the status bar
    int32_t iTheme = 0;  // "Theme": 0 to 6
};

// The one settings record of the process.
[[nodiscard]] TOptions &Options();

// The two path lists kept split: the folder browser's history and the custom search paths.
[[nodiscard]] QStringList &HistoryPaths();
[[nodiscard]] QStringList &CustPaths();

} // namespace kf
