#include "session_input.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vspace {

std::string SessionInput::readFailure() const
{
    return "cannot read " + name() + ": " + std::generic_category().message(error());
}

long TextInput::read(char *buffer, std::size_t size)
{
    const std::size_t taken = std::min(size, m_text.size());
    std::memcpy(buffer, m_text.data(), taken);
    m_text.remove_prefix(taken);
    return static_cast<long>(taken);
}

FileInput::FileInput(int fd, std::string name)
    : m_fd(fd)
    , m_name(std::move(name))
{}

FileInput::~FileInput()
{
    if (m_fd > STDERR_FILENO)
        ::close(m_fd);
}

std::variant<std::unique_ptr<FileInput>, std::string> FileInput::open(const std::string &path)
{
    const bool standardInput = path == "-";
    const std::string name = standardInput ? "standard input" : path;
    const int fd = standardInput ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return "cannot open " + name + ": " + std::generic_category().message(errno);
    std::unique_ptr<FileInput> input(new FileInput(fd, name));
    struct stat status
    {};
    if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        input->m_error = EISDIR;
        return input->readFailure();
    }
    return input;
}

std::optional<std::string> FileInput::readAhead()
{
    constexpr std::size_t kFirstChunk = 64 * 1024;
    m_first.resize(kFirstChunk);
    const long read = readFile(m_first.data(), kFirstChunk);
    m_first.resize(read < 0 ? 0 : static_cast<std::size_t>(read));
    return read < 0 ? std::optional(readFailure()) : std::nullopt;
}

long FileInput::read(char *buffer, std::size_t size)
{
    if (m_firstTaken < m_first.size()) {
        const std::size_t taken = std::min(size, m_first.size() - m_firstTaken);
        std::memcpy(buffer, m_first.data() + m_firstTaken, taken);
        m_firstTaken += taken;
        return static_cast<long>(taken);
    }
    return readFile(buffer, size);
}

long FileInput::readFile(char *buffer, std::size_t size)
{
    for (;;) {
        const ssize_t read = ::read(m_fd, buffer, size);
        if (read >= 0)
            return static_cast<long>(read);
        if (errno != EINTR) {
            m_error = errno;
            return -1;
        }
    }
}

} // namespace vspace
