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

using FileStatus = struct stat;

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

} // namespace

int FileCalls::open(const char *path, int flags, mode_t mode)
{
    return ::open(path, flags, mode);
}

ssize_t FileCalls::write(int fd, const void *bytes, size_t size)
{
    return ::write(fd, bytes, size);
}

int FileCalls::fchmod(int fd, mode_t mode)
{
    return ::fchmod(fd, mode);
}

int FileCalls::fsync(int fd)
{
    return ::fsync(fd);
}

int FileCalls::close(int fd)
{
    return ::close(fd);
}

int FileCalls::rename(const char *from, const char *to)
{
    return ::rename(from, to);
}

HypothesisFile::HypothesisFile(std::string path, FileCalls *calls)
    : m_path(std::move(path))
    , m_calls(calls)
{
    static FileCalls system;
    if (!m_calls)
        m_calls = &system;
}

// Opens a new file beside `file`, with the mode a new file gets: 0666 less the umask.
int HypothesisFile::openTemporary(const std::string &file, std::string &temporary)
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = file + "." + std::to_string(random() % 1000000000u);
        const int fd = m_calls->open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                                     0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes all of `bytes`; false when a write fails, or writes nothing and gives no error.
bool HypothesisFile::writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = m_calls->write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

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
    FileStatus existing{};
    const bool exists = ::stat(file.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return ExportFailure{Text::FolderInTheWayReason, {}};

    // Each step runs while the ones before it succeeded; the first to fail gives the reason,
    // the system's own where it set one.
    bool failed = false;
    int reason = 0;
    const auto step = [&](const auto &call) {
        errno = 0;
        if (!failed && !call()) {
            failed = true;
            reason = errno;
        }
    };
    std::string temporary;
    int fd = -1;
    step([&] { return (fd = openTemporary(file.string(), temporary)) >= 0; });
    if (exists)
        step([&] { return m_calls->fchmod(fd, existing.st_mode & 07777) == 0; });
    step([&] { return writeAll(fd, bytes); });
    step([&] { return m_calls->fsync(fd) == 0; });
    errno = 0;
    if (fd >= 0 && m_calls->close(fd) != 0 && !failed) {
        failed = true;
        reason = errno;
    }
    step([&] { return m_calls->rename(temporary.c_str(), file.c_str()) == 0; });
    if (!failed)
        return std::nullopt;
    if (fd >= 0)
        ::unlink(temporary.c_str());
    return reason ? systemFailure(reason) : ExportFailure{Text::IncompleteWriteReason, {}};
}

} // namespace vspace
