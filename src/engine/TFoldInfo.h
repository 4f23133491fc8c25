#pragma once
// One file or folder of an analysis.
//
// Tuned for size: a user scans millions of entries, so a file record is a fixed 73-byte
// header with its name bytes stored right behind it in the same arena block (no pointer,
// no separate allocation). Type names and icons live once per type in TTypeTable, owners
// once per uid in the owner cache; folder-only fields live in TFolderRec.
//
// Records are created only by TRecordArena and owned by the analysis (TKestrafold);
// every other holder keeps plain non-owning pointers.

#include <cstdint>
#include <string_view>
#include <vector>

#include <QString>

namespace kf {

class TFolderRec;
class TRecordArena;

class TFoldInfo {
public:
    using List = std::vector<TFoldInfo *>;

    TFoldInfo(const TFoldInfo &) = delete;
    TFoldInfo &operator=(const TFoldInfo &) = delete;

    // The folder test every reader uses: the record's kind, fixed at creation.
    [[nodiscard]] bool isFolder() const { return mKind == kFolder; }

    // Name bytes exactly as the directory listed them (not necessarily UTF-8).
    [[nodiscard]] std::string_view sName() const;
    // From the last "." to the end, dot included; empty without a dot and for folders.
    [[nodiscard]] std::string_view sExt() const;
    [[nodiscard]] const QString &sType() const;
    [[nodiscard]] int32_t iIconIndex() const;
    [[nodiscard]] uint32_t iTypeIndex() const { return mTypeIndex; }
    void SetTypeIndex(uint32_t index) { mTypeIndex = index; }

    // Folder-only fields; a file reads 0 / none and ignores writes.
    [[nodiscard]] List *SubList();
    [[nodiscard]] const List *SubList() const;
    [[nodiscard]] TFolderRec *AsFolder();
    [[nodiscard]] const TFolderRec *AsFolder() const;
    [[nodiscard]] uint32_t cFiles() const;
    [[nodiscard]] uint32_t cFolders() const;
    void SetcFiles(uint32_t value);
    void SetcFolders(uint32_t value);

    // Owner: empty until the ownership summary looks it up (SetOwnerLooked), then the
    // account of iUid. kNoUid means the owner could not be found.
    static constexpr uint32_t kNoUid = UINT32_MAX;
    [[nodiscard]] bool bOwnerLooked() const { return mOwnerLooked; }
    void SetOwnerLooked(uint32_t uid)
    {
        iUid = uid;
        mOwnerLooked = true;
    }
    void ClearOwner() { mOwnerLooked = false; }
    [[nodiscard]] QString sOwner() const;
    [[nodiscard]] QString sDomain() const;

    TFoldInfo *PFoldInfo = nullptr; // non-owning: the folder whose SubList holds this record
    double cSize = 0;
    double cASize = 0;
    double LADate = 0;
    double LMDate = 0;
    double CreaDate = 0;
    double fPercent = 0;
    int32_t iAttr = 0;
    uint32_t iUid = kNoUid; // the owner's uid as scanned; kNoUid when not known

private:
    // Declared here, between the public fields, so that the header packs without holes.
    uint32_t mTypeIndex = 0;
    uint16_t mNameLen = 0;

public:
    bool bRead = false;
    bool bPerCalculated = false;

private:
    friend class TRecordArena;
    friend class TFolderRec;
    friend class TKestrafold;
    enum Kind : uint8_t { kFile, kFolder };
    explicit TFoldInfo(Kind kind) : mKind(kind) {}
    ~TFoldInfo() = default;
    // Where the name bytes sit when they are in line: inside mName for a file, right behind
    // the folder fields for a folder. After a rename that did not fit, that place holds a
    // pointer to the bytes instead.
    [[nodiscard]] static size_t FileNameOffset();
    [[nodiscard]] char *InlineArea();
    [[nodiscard]] const char *NameBytes() const;

    Kind mKind;
    bool mOwnerLooked = false;
    bool mNameOutOfLine = false; // after a rename that did not fit: a pointer is stored in place
    char mName[3] = {};          // first bytes of the name; the rest follows in the same block
};

// A folder record: a TFoldInfo whose folder-only fields are paid for by folders alone.
class TFolderRec final : public TFoldInfo {
public:
    List mSubList;
    uint32_t mcFiles = 0;   // as scanned: files directly in SubList; once computed: all below
    uint32_t mcFolders = 0; // once computed: all folders below

private:
    friend class TRecordArena;
    TFolderRec() : TFoldInfo(kFolder) {}
    ~TFolderRec() = default;
};

inline TFolderRec *TFoldInfo::AsFolder() { return isFolder() ? static_cast<TFolderRec *>(this) : nullptr; }
inline const TFolderRec *TFoldInfo::AsFolder() const
{
    return isFolder() ? static_cast<const TFolderRec *>(this) : nullptr;
}
inline TFoldInfo::List *TFoldInfo::SubList() { return isFolder() ? &AsFolder()->mSubList : nullptr; }
inline const TFoldInfo::List *TFoldInfo::SubList() const
{
    return isFolder() ? &AsFolder()->mSubList : nullptr;
}
inline uint32_t TFoldInfo::cFiles() const { return isFolder() ? AsFolder()->mcFiles : 0; }
inline uint32_t TFoldInfo::cFolders() const { return isFolder() ? AsFolder()->mcFolders : 0; }
inline void TFoldInfo::SetcFiles(uint32_t value)
{
    if (isFolder())
        AsFolder()->mcFiles = value;
}
inline void TFoldInfo::SetcFolders(uint32_t value)
{
    if (isFolder())
        AsFolder()->mcFolders = value;
}

// The extension of a name: from its last "." to the end, dot included.
[[nodiscard]] std::string_view ExtOfName(std::string_view name);

} // namespace kf
