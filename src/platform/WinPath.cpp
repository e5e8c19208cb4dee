#include "platform/WinPath.h"

#include <algorithm>

std::string ToLocalPath(const std::string& name) {
    std::string path = name;
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.compare(0, 5, "Data/") == 0) path[0] = 'd';
    return path;
}
