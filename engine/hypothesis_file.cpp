#include "hypothesis_file.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vspace {

namespace fs = std::filesystem;

namespace {

constexpr auto kFileName = "hypothesis.txt";

ExportFailure systemFailure(int error)
{
    return {Text::SystemReason, std::generic_category().message(error)};
}

std::string home()
{
    const char *home = std::getenv("HOME");
    return home && *home ? home : "/";
}

// The file a write to `path` lands in: `path` itself, or the file its symbolic links lead to.
fs::path landingFile(fs::path path)
{
    std::error_code error;
    for (int hops = 0; hops < 40 && fs::is_symlink(path, error); ++hops) {
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return fs::absolute(path, error).lexically_normal();
}

// Opens a new file beside `file`, with the mode `open` gives a new file: 0666 less the umask.
int openTemporary(const fs::path &file, fs::path &temporary)
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = file;
        temporary += "." + std::to_string(random() % 1000000000u);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes all of `bytes`; returns 0 or the error.
int writeAll(int fd, std::string_view bytes, bool &incomplete)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0) {
            incomplete = true;
            return 0;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

} // namespace

HypothesisFile::HypothesisFile(std::string path)
    : m_path(std::move(path))
{}

std::string HypothesisFile::desktopFolder()
{
    const char *config = std::getenv("XDG_CONFIG_HOME");
    std::ifstream dirs(fs::path(config && *config ? config : home() + "/.config")
                       / "user-dirs.dirs");
    constexpr std::string_view kKey = "XDG_DESKTOP_DIR=";
    for (std::string line; std::getline(dirs, line);) {
        if (!line.starts_with(kKey))
            continue;
        std::string value = line.substr(kKey.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.starts_with("$HOME"))
            value.replace(0, 5, home());
        if (!value.empty())
            return value;
    }
    return (fs::path(home()) / "Desktop").string();
}

std::string HypothesisFile::pathIn(const std::string &folder)
{
    std::string cleaned = fs::path(folder.empty() ? "." : folder).lexically_normal().string();
    while (cleaned.size() > 1 && cleaned.back() == '/')
        cleaned.pop_back();
    return cleaned == "." ? kFileName : cleaned + (cleaned == "/" ? "" : "/") + kFileName;
}

std::optional<ExportFailure> HypothesisFile::replace(std::string_view bytes)
{
    std::error_code error;
    const fs::path file = landingFile(m_path);
    const fs::path folder = file.parent_path();
    if (fs::exists(folder, error) && !fs::is_directory(folder, error))
        return ExportFailure{Text::NotAFolderReason, folder.string()};
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder, error))
        return ExportFailure{Text::FolderNotCreatedReason, folder.string()};
    struct stat existing
    {};
    const bool exists = ::stat(file.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return ExportFailure{Text::FolderInTheWayReason, {}};

    fs::path temporary;
    const int fd = openTemporary(file, temporary);
    if (fd < 0)
        return systemFailure(errno);
    bool incomplete = false;
    int failure = exists && ::fchmod(fd, existing.st_mode & 07777) != 0 ? errno : 0;
    if (failure == 0)
        failure = writeAll(fd, bytes, incomplete);
    if (failure == 0 && !incomplete && ::fsync(fd) != 0)
        failure = errno;
    if (::close(fd) != 0 && failure == 0)
        failure = errno;
    if (failure == 0 && !incomplete && ::rename(temporary.c_str(), file.c_str()) != 0)
        failure = errno;
    if (failure == 0 && !incomplete)
        return std::nullopt;
    ::unlink(temporary.c_str());
    if (incomplete)
        return ExportFailure{Text::IncompleteWriteReason, {}};
    return systemFailure(failure);
}

} // namespace vspace
