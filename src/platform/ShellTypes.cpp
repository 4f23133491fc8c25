#include "platform/ShellTypes.h"

#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include <QHash>
#include <QMimeDatabase>

namespace kf {

namespace {

struct ExtInfo {
    QString sType;
    int32_t iIcon = 0;
};

class Shell {
public:
    static Shell &Instance()
    {
        static Shell shell;
        return shell;
    }

    ExtInfo Lookup(std::string_view ext)
    {
        std::lock_guard lock(mMutex);
        const std::string key(ext);
        if (auto it = mCache.find(key); it != mCache.end())
            return it->second;
        ExtInfo info;
        const QString qext = QString::fromUtf8(ext.data(), static_cast<qsizetype>(ext.size()));
        const QString bare = qext.mid(1);
        QMimeType mime;
        if (!bare.isEmpty())
            mime = mDb.mimeTypeForFile(QLatin1String("x") + qext, QMimeDatabase::MatchExtension);
        if (bare.isEmpty()) {
            info.sType = QStringLiteral("File");
            info.iIcon = IconIndexLocked(QStringLiteral("text-x-generic"));
        } else if (!mime.isValid() || mime.isDefault()) {
            info.sType = bare.toUpper() + QLatin1String(" File");
            info.iIcon = IconIndexLocked(QStringLiteral("application-octet-stream"));
        } else {
            info.sType = mime.comment();
            info.iIcon = IconIndexLocked(mime.iconName());
        }
        mCache.emplace(key, info);
        return info;
    }

    int32_t IconIndex(const QString &name)
    {
        std::lock_guard lock(mMutex);
        return IconIndexLocked(name);
    }

    QString IconName(int32_t index)
    {
        std::lock_guard lock(mMutex);
        return index >= 0 && static_cast<size_t>(index) < mIcons.size() ? mIcons[static_cast<size_t>(index)]
                                                                       : QString();
    }

private:
    int32_t IconIndexLocked(const QString &name)
    {
        if (auto it = mIconIndex.constFind(name); it != mIconIndex.cend())
            return it.value();
        const auto index = static_cast<int32_t>(mIcons.size());
        mIcons.push_back(name);
        mIconIndex.insert(name, index);
        return index;
    }

    std::mutex mMutex;
    QMimeDatabase mDb;
    std::unordered_map<std::string, ExtInfo> mCache;
    std::vector<QString> mIcons;
    QHash<QString, int32_t> mIconIndex;
};

} // namespace

QString TypeNameOfExt(std::string_view ext) { return Shell::Instance().Lookup(ext).sType; }
int32_t IconIndexOfExt(std::string_view ext) { return Shell::Instance().Lookup(ext).iIcon; }
int32_t FolderIconIndex() { return Shell::Instance().IconIndex(QStringLiteral("folder")); }
QString IconNameAt(int32_t index) { return Shell::Instance().IconName(index); }

} // namespace kf
