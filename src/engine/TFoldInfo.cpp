#include "engine/TFoldInfo.h"

#include <cstring>

#include "engine/TTypeTable.h"
#include "platform/OwnerLookup.h"

namespace kf {

size_t TFoldInfo::FileNameOffset()
{
    static const size_t offset = [] {
        TFoldInfo probe(kFile);
        return static_cast<size_t>(probe.mName - reinterpret_cast<char *>(&probe));
    }();
    return offset;
}

char *TFoldInfo::InlineArea()
{
    return reinterpret_cast<char *>(this) + (isFolder() ? sizeof(TFolderRec) : FileNameOffset());
}

const char *TFoldInfo::NameBytes() const
{
    const char *area = const_cast<TFoldInfo *>(this)->InlineArea();
    if (!mNameOutOfLine)
        return area;
    const char *text = nullptr;
    std::memcpy(&text, area, sizeof text);
    return text;
}

std::string_view TFoldInfo::sName() const { return {NameBytes(), mNameLen}; }

std::string_view ExtOfName(std::string_view name)
{
    const size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

std::string_view TFoldInfo::sExt() const { return isFolder() ? std::string_view() : ExtOfName(sName()); }

const QString &TFoldInfo::sType() const { return TTypeTable::Instance().At(mTypeIndex).sType; }

int32_t TFoldInfo::iIconIndex() const { return TTypeTable::Instance().At(mTypeIndex).iIcon; }

QString TFoldInfo::sOwner() const
{
    if (!mOwnerLooked || iUid == kNoUid)
        return {};
    return OwnerOfUid(iUid).sAccount;
}

QString TFoldInfo::sDomain() const
{
    if (!mOwnerLooked || iUid == kNoUid)
        return {};
    return OwnerOfUid(iUid).sDomain;
}

} // namespace kf
