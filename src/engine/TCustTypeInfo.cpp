#include "engine/TCustTypeInfo.h"

namespace kf {

std::vector<TCustTypeInfo> &CustTypeList()
{
    static std::vector<TCustTypeInfo> list;
    return list;
}

} // namespace kf
