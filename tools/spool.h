#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vspace {

// A nameless file that holds a growing text outside memory while a long run writes it: made in a
// given folder and unlinked at once, so that it vanishes with the run whatever happens. The first
// failure is kept; every later call does nothing. Where there are no files (the page),
// spool_memory.cpp keeps the text in memory instead.
class Spool
{
public:
    // A spool in `folder` (the system's folder for temporary files when empty).
    explicit Spool(const std::string &folder = {});

    void write(std::string_view text);
    // Empties it.
    void clear() { truncate(0); }
    // Keeps its first `size` bytes.
    void truncate(std::uint64_t size);
    std::uint64_t size() const { return m_size; }
    // Hands the bytes from `from` to `to` to `sink`, a chunk at a time.
    void copy(std::uint64_t from, std::uint64_t to,
              const std::function<void(std::string_view)> &sink);

    // The system's error number of the first failure; 0 while none.
    int error() const { return m_error; }

private:
    void fail();

    std::unique_ptr<std::FILE, int (*)(std::FILE *)> m_file;
    std::string m_memory; // the text, where there are no files
    std::uint64_t m_size = 0;
    int m_error = 0;
};

using TextSink = std::function<void(std::string_view)>;

// Writes a file whole or not at all: to a new file beside `path`, flushed to the disk and renamed
// over `path` once `write` has handed everything to its sink and returned 0 (or the system's
// error number of its own failure). Returns nothing, or why it failed in the system's words; a
// failure leaves what stood at `path` as it was.
std::optional<std::string> writeWhole(const std::string &path,
                                      const std::function<int(const TextSink &)> &write);

} // namespace vspace
