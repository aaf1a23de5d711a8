#include "hypothesis_file.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>
#include <variant>

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
    return {ExportFailure::Reason::System, std::generic_category().message(error)};
}

// An environment variable that names an absolute path, or nothing.
std::optional<std::string> absoluteVariable(const char *name)
{
    const char *value = std::getenv(name);
    if (!value || *value != '/')
        return std::nullopt;
    return value;
}

// The folder that holds `path`: "." for a bare file name.
fs::path folderOf(const fs::path &path)
{
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

// Whether the symbolic link `link` may choose the file an export replaces: a link of the user's
// own, or one in a folder where only its owner may have put it (not sticky and writable by all,
// as /tmp is).
bool trustedLink(const fs::path &link, const FileStatus &status)
{
    FileStatus folder{};
    if (::stat(folderOf(link).c_str(), &folder) != 0)
        return false;
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return status.st_uid == ::geteuid() || !shared;
}

// The file an export of `path` replaces, or why none may be: `path` itself when it is a regular
// file or does not exist yet; the end of its chain of symbolic links when every link in it may
// choose it and it is a regular file.
std::variant<fs::path, ExportFailure> landingFile(fs::path path)
{
    fs::path link; // the last link followed
    for (int hops = 0; hops < 40; ++hops) {
        FileStatus status{};
        if (::lstat(path.c_str(), &status) != 0) {
            if (errno == ENOENT && hops == 0)
                return path;
            return errno == ENOENT
                           ? ExportFailure{ExportFailure::Reason::DanglingLink, link.string()}
                           : systemFailure(errno);
        }
        if (S_ISREG(status.st_mode))
            return path;
        if (S_ISDIR(status.st_mode) && hops == 0)
            return ExportFailure{ExportFailure::Reason::FolderInTheWay, {}};
        if (!S_ISLNK(status.st_mode))
            return ExportFailure{ExportFailure::Reason::NotARegularFile, path.string()};
        if (!trustedLink(path, status))
            return ExportFailure{ExportFailure::Reason::ForeignLink, path.string()};
        std::error_code error;
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            return systemFailure(error.value());
        link = path;
        path = target.is_absolute() ? target : folderOf(path) / target;
    }
    return systemFailure(ELOOP);
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
    const std::optional<std::string> home = absoluteVariable("HOME");
    const std::optional<std::string> config = absoluteVariable("XDG_CONFIG_HOME");
    std::ifstream dirs;
    if (config || home)
        dirs.open(fs::path(config ? *config : *home + "/.config") / "user-dirs.dirs");
    constexpr std::string_view kKey = "XDG_DESKTOP_DIR=";
    for (std::string line; std::getline(dirs, line);) {
        if (!line.starts_with(kKey))
            continue;
        std::string value = line.substr(kKey.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.starts_with("$HOME/") && home)
            value.replace(0, 5, *home);
        if (value.starts_with('/'))
            return value;
    }
    return home ? (fs::path(*home) / "Desktop").string() : std::string();
}

std::string HypothesisFile::pathIn(const std::string &folder)
{
    if (folder.empty())
        return {};
    std::string cleaned = fs::path(folder).lexically_normal().string();
    while (cleaned.size() > 1 && cleaned.back() == '/')
        cleaned.pop_back();
    return cleaned == "." ? kFileName : cleaned + (cleaned == "/" ? "" : "/") + kFileName;
}

std::string HypothesisFile::path() const
{
    return m_path.empty() ? std::string(kFileName) : m_path;
}

std::optional<ExportFailure> HypothesisFile::replace(std::string_view bytes)
{
    if (m_path.empty())
        return ExportFailure{ExportFailure::Reason::NoDesktop, {}};
    std::error_code error;
    const fs::path folder = folderOf(m_path);
    if (fs::exists(folder, error) && !fs::is_directory(folder, error))
        return ExportFailure{ExportFailure::Reason::NotAFolder, folder.string()};
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder, error))
        return ExportFailure{ExportFailure::Reason::FolderNotCreated, folder.string()};
    const std::variant<fs::path, ExportFailure> landing = landingFile(m_path);
    if (const ExportFailure *refused = std::get_if<ExportFailure>(&landing))
        return *refused;
    const fs::path &file = std::get<fs::path>(landing);
    FileStatus existing{};
    const bool exists = ::stat(file.c_str(), &existing) == 0;

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
    // The permissions of the file it replaces, but never set-user-ID, set-group-ID or sticky.
    if (exists)
        step([&] { return m_calls->fchmod(fd, existing.st_mode & 0777) == 0; });
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
    return reason ? systemFailure(reason)
                  : ExportFailure{ExportFailure::Reason::IncompleteWrite, {}};
}

} // namespace vspace
