#pragma once
// Process-wide table of (type name, icon index) pairs that records refer to by index.
//
// Records of every analysis share it, so a million ".txt" files hold one 4-byte index instead
// of a million strings. The table only grows; an index stays valid for the life of the process
// and can be read from any thread while another thread appends.

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include <QHash>
#include <QString>

namespace kf {

class TTypeTable {
public:
    struct Entry {
        QString sType;
        int32_t iIcon = 0;
    };

    static TTypeTable &Instance();

    // The index of the pair, added when it is new.
    uint32_t Intern(const QString &sType, int32_t iIcon);
    [[nodiscard]] const Entry &At(uint32_t index) const;

    // The folder type "File Folder" with the given icon.
    uint32_t FolderType(int32_t iIcon) { return Intern(QStringLiteral("File Folder"), iIcon); }

private:
    TTypeTable();
    ~TTypeTable();
    static constexpr uint32_t kBlockBits = 10;
    static constexpr uint32_t kBlockSize = 1u << kBlockBits;
    static constexpr uint32_t kBlocks = 4096;

    std::mutex mMutex;
    QHash<QPair<QString, int32_t>, uint32_t> mIndex;
    std::unique_ptr<std::atomic<Entry *>[]> mBlocks;
    uint32_t mCount = 0;
};

} // namespace kf
