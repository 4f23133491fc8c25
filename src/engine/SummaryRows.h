#pragma once
// The row records of the summary tables. Each counts files, their sizes and allocated sizes
// under one key; the buckets and numbering belong to the statistics layer.

#include <cstdint>
#include <string>

#include <QString>

namespace kf {

struct TSummaryCounts {
    int32_t Files = 0;
    double Size = 0;
    double ASize = 0;
};

struct TAttrInfo : TSummaryCounts {
    QString Attr;
};

struct TSizeInfo : TSummaryCounts {
    QString SizeRange;
    int32_t SrNo = 0;
};

struct TDateInfo : TSummaryCounts {
    QString DateRange;
    int32_t SrNo = 0;
};

struct TTimeInfo : TSummaryCounts {
    QString TimeRange;
    int32_t SrNo = 0;
};

struct TOwnerInfo : TSummaryCounts {
    QString sOwner;
    QString sDomain;
    int32_t SrNo = 0;
};

struct TSpInfo : TSummaryCounts {
    QString sType;
    int32_t SrNo = 0;
};

struct TAllFoldInfo {
    std::string sName; // bytes, as the record's
    std::string sPath; // bytes: the folder's own path, ending with "/"
    int32_t Files = 0;
    uint32_t Folders = 0;
    double Size = 0;
    double ASize = 0;
    double LMDate = 0;
};

} // namespace kf
