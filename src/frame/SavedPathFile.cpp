#include "frame/SavedPathFile.h"

#include "common/DatabasePath.h"

#include <fstream>

namespace frame {

std::string savedPathFile(const std::string& startDir)
{
    return o::JoinPath(startDir, kSavedPathFileName);
}

std::string readSavedPath(const std::string& startDir)
{
    std::ifstream in(savedPathFile(startDir), std::ios::binary);
    if (!in)
        return {};
    std::string line;
    std::getline(in, line);
    if (line.rfind("\xEF\xBB\xBF", 0) == 0)
        line.erase(0, 3);  // a byte-order mark written by an editor
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    return line;
}

bool writeSavedPath(const std::string& startDir, const std::string& path)
{
    std::ofstream out(savedPathFile(startDir), std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out << path << "\r\n";
    out.close();
    return static_cast<bool>(out);
}

}  // namespace frame
