#include "spool.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vspace {

namespace {

// "FOLDER/.NAME-XXXXXX", a pattern for mkstemp.
std::string temporaryPattern(const std::string &beside)
{
    const std::filesystem::path path(beside);
    return (path.parent_path() / ("." + path.filename().string() + "-XXXXXX")).string();
}

} // namespace

Spool::Spool(const std::string &folder)
    : m_file(nullptr, std::fclose)
{
    std::error_code ignored;
    std::string pattern = temporaryPattern(
            ((folder.empty() ? std::filesystem::temp_directory_path(ignored)
                             : std::filesystem::path(folder))
             / "vspace-report")
                    .string());
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        fail();
        return;
    }
    ::unlink(pattern.c_str());
    m_file.reset(::fdopen(fd, "w+b"));
    if (!m_file) {
        m_error = errno;
        ::close(fd);
    }
}

void Spool::fail()
{
    if (m_error == 0)
        m_error = errno ? errno : EIO;
}

void Spool::write(std::string_view text)
{
    if (m_error)
        return;
    if (std::fwrite(text.data(), 1, text.size(), m_file.get()) != text.size())
        return fail();
    m_size += text.size();
}

void Spool::truncate(std::uint64_t size)
{
    if (m_error)
        return;
    if (std::fflush(m_file.get()) != 0
        || ::ftruncate(::fileno(m_file.get()), static_cast<off_t>(size)) != 0
        || std::fseek(m_file.get(), static_cast<long>(size), SEEK_SET) != 0)
        return fail();
    m_size = size;
}

void Spool::copy(std::uint64_t from, std::uint64_t to,
                 const std::function<void(std::string_view)> &sink)
{
    if (m_error || from >= to)
        return;
    // Read with pread, so that the position appends go to stays where it is.
    if (std::fflush(m_file.get()) != 0)
        return fail();
    constexpr std::size_t kChunk = 256 * 1024;
    const std::unique_ptr<char[]> chunk(new char[kChunk]);
    while (from < to) {
        const ssize_t read = ::pread(::fileno(m_file.get()), chunk.get(),
                                     static_cast<std::size_t>(
                                             std::min<std::uint64_t>(kChunk, to - from)),
                                     static_cast<off_t>(from));
        if (read <= 0) {
            errno = read == 0 ? EIO : errno;
            return fail();
        }
        sink(std::string_view(chunk.get(), static_cast<std::size_t>(read)));
        from += static_cast<std::uint64_t>(read);
    }
}

std::optional<std::string> writeWhole(const std::string &path,
                                      const std::function<int(const TextSink &)> &write)
{
    // A new file gets 0666 less the umask, as any new file does.
    std::random_device random;
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = temporaryPattern(path);
        temporary.replace(temporary.size() - 6, 6, std::to_string(random() % 900000 + 100000));
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return std::generic_category().message(errno);
    int error = 0;
    std::FILE *file = ::fdopen(fd, "wb");
    if (!file) {
        error = errno;
        ::close(fd);
    } else {
        const int failed = write([&](std::string_view text) {
            if (!error && std::fwrite(text.data(), 1, text.size(), file) != text.size())
                error = errno ? errno : EIO;
        });
        error = error ? error : failed;
        if (!error && (std::fflush(file) != 0 || ::fsync(fd) != 0))
            error = errno;
        if (std::fclose(file) != 0 && !error)
            error = errno;
    }
    if (!error && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (!error)
        return std::nullopt;
    ::unlink(temporary.c_str());
    return std::generic_category().message(error);
}

} // namespace vspace
