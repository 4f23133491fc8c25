#include "common/TOptions.h"

namespace kf {

TOptions &Options()
{
    static TOptions options;
    return options;
}

QStringList &HistoryPaths()
{
    static QStringList paths;
    return paths;
}

QStringList &CustPaths()
{
    static QStringList paths;
    return paths;
}

} // namespace kf
