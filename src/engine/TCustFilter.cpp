#include <cmath>

#include "common/MaskMatch.h"
#include "engine/TKestrafold.h"

namespace kf {

bool TKestrafold::CustFilter(const TDirEntry &entry) const
{
    bool named = false;
    for (const QString &mask : sCustCriteria) {
        if (MaskMatch(entry.sName, mask.toStdString())) {
            named = true;
            break;
        }
    }
    if (!named)
        return false;
    if (!bFAllFiles) {
        double size = static_cast<double>(entry.cSize) / 1024.0;
        if (sFileUnit == QLatin1String("MB"))
            size /= 1024.0;
        else if (sFileUnit == QLatin1String("GB"))
            size /= 1048576.0;
        bool pass = false;
        if (sFileGLE == QLatin1String("="))
            pass = size == iFileSize;
        else if (sFileGLE == QLatin1String(">"))
            pass = size > iFileSize;
        else if (sFileGLE == QLatin1String("<"))
            pass = size < iFileSize;
        else if (sFileGLE == QLatin1String(">="))
            pass = size >= iFileSize;
        else if (sFileGLE == QLatin1String("<="))
            pass = size <= iFileSize;
        if (!pass)
            return false;
    }
    if (!bDAllFiles) {
        double date = entry.LMDate;
        if (sDateType == QLatin1String("LC"))
            date = entry.CreaDate;
        else if (sDateType == QLatin1String("LA"))
            date = entry.LADate;
        const double day = std::floor(date);
        if (day < std::floor(dFromDate) || day > std::floor(dToDate))
            return false;
    }
    if (!bAAllFiles) {
        const struct {
            bool wanted;
            int32_t bit;
        } tests[] = {{bAReadOnly, kAttrReadOnly}, {bAHidden, kAttrHidden},       {bASystem, kAttrSystem},
                     {bAArchive, kAttrArchive},   {bACompressed, kAttrCompressed}, {bATemporary, kAttrTemporary},
                     {bAOffline, kAttrOffline}};
        for (const auto &t : tests)
            if (t.wanted && !(entry.iAttr & t.bit))
                return false;
    }
    return true;
}

} // namespace kf
