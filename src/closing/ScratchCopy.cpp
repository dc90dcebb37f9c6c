#include "closing/ScratchCopy.h"

#include <cerrno>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace closing {

namespace {

constexpr const char* kScratchMark = ".tmp-";
constexpr std::size_t kScratchTailLength = 6;  // mkstemp's XXXXXX

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

bool isScratchName(const std::string& name, const std::string& targetName)
{
    const std::string prefix = targetName + kScratchMark;
    return name.size() == prefix.size() + kScratchTailLength && name.compare(0, prefix.size(), prefix) == 0;
}

void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

ScratchCopy::ScratchCopy(const std::string& folder, const std::string& targetName)
{
    const std::string pattern = (std::filesystem::path(folder) / (targetName + kScratchMark + "XXXXXX")).string();
    std::vector<char> path(pattern.begin(), pattern.end());
    path.push_back('\0');
    m_fd = ::mkstemp(path.data());
    if (m_fd < 0)
        throw CopyFailure(folder, false, FileErrorReason(errno));
    m_path = path.data();
    // Held from the start, so that no other rollover takes it for a leftover.
    ::flock(m_fd, LOCK_EX | LOCK_NB);
    if (::fchmod(m_fd, newFileMode()) != 0) {
        const int error = errno;
        ::unlink(m_path.c_str());
        ::close(m_fd);
        throw CopyFailure(folder, false, FileErrorReason(error));
    }
}

ScratchCopy::~ScratchCopy()
{
    if (!m_placed) {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
        std::filesystem::remove(m_path + "-journal", ignored);
    }
    ::close(m_fd);  // releases the hold
}

void ScratchCopy::moveInto(const std::string& targetPath)
{
    if (::fsync(m_fd) != 0)
        throw CopyFailure(targetPath, false, FileErrorReason(errno));
    if (::rename(m_path.c_str(), targetPath.c_str()) != 0)
        throw CopyFailure(targetPath, false, FileErrorReason(errno));
    m_placed = true;
    syncFolder(std::filesystem::path(targetPath).parent_path().string());
}

void RemoveLeftoverCopies(const std::string& folder, const std::string& targetName)
{
    std::error_code error;
    std::filesystem::directory_iterator it(std::filesystem::path(folder.empty() ? "." : folder), error);
    if (error)
        return;
    std::vector<std::filesystem::path> leftovers;
    for (const auto& entry : it) {
        std::error_code kindError;
        if (entry.is_regular_file(kindError) && !entry.is_symlink(kindError)
            && isScratchName(entry.path().filename().string(), targetName))
            leftovers.push_back(entry.path());
    }
    for (const auto& leftover : leftovers) {
        const int fd = ::open(leftover.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        // A copy that a rollover is still making is held; one that nothing
        // holds was cut off.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            std::error_code ignored;
            std::filesystem::remove(leftover, ignored);
            std::filesystem::remove(leftover.string() + "-journal", ignored);
        }
        ::close(fd);
    }
}

}  // namespace closing
