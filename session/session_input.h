#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vspace {

// Where a session's bytes come from, read a chunk at a time, so that a failed read is told apart
// from the end of the input.
class SessionInput
{
public:
    virtual ~SessionInput() = default;

    // Reads at most `size` bytes into `buffer` and returns how many; 0 at the end. On a failed
    // read returns -1, and error() says why.
    virtual long read(char *buffer, std::size_t size) = 0;
    // The system's error number of the failed read.
    virtual int error() const { return 0; }
    // The input as the user named it: a file's name, or "standard input".
    virtual std::string name() const = 0;

    // "cannot read NAME: REASON", after a failed read.
    std::string readFailure() const;
};

// A session held in memory: the page's opened files, tests.
class TextInput : public SessionInput
{
public:
    explicit TextInput(std::string_view text, std::string name = "the session")
        : m_text(text)
        , m_name(std::move(name))
    {}

    long read(char *buffer, std::size_t size) override;
    std::string name() const override { return m_name; }

private:
    std::string_view m_text;
    std::string m_name;
};

// A file, or standard input, read with the system's own calls.
class FileInput : public SessionInput
{
public:
    // Opens `path` ("-" for standard input). On failure, a folder among them, returns
    // "cannot open NAME: REASON" or "cannot read NAME: REASON".
    static std::variant<std::unique_ptr<FileInput>, std::string> open(const std::string &path);
    ~FileInput() override;

    // Reads the first chunk ahead, so that a file that cannot be read at all is refused before
    // anything is played. Returns nothing, or "cannot read NAME: REASON".
    std::optional<std::string> readAhead();

    long read(char *buffer, std::size_t size) override;
    int error() const override { return m_error; }
    std::string name() const override { return m_name; }
    // The open file, for telling whether another path names the same file.
    int descriptor() const { return m_fd; }

private:
    FileInput(int fd, std::string name);
    long readFile(char *buffer, std::size_t size);

    int m_fd;
    std::string m_name;
    int m_error = 0;
    std::string m_first; // the first chunk, read on opening
    std::size_t m_firstTaken = 0;
};

} // namespace vspace
