#pragma once

#include "export_file.h"

#include <string>

#include <sys/types.h>

namespace vspace {

// The system calls an export makes; the system's own by default. Tests replace one to make it
// fail as no file system does on demand.
class FileCalls
{
public:
    virtual ~FileCalls() = default;
    virtual int open(const char *path, int flags, mode_t mode);
    virtual ssize_t write(int fd, const void *bytes, size_t size);
    virtual int fchmod(int fd, mode_t mode);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char *from, const char *to);
};

// The export file on disk. A new content is written to a temporary file beside the old one,
// flushed to the disk and renamed over it, so that a failed export leaves the previous file as
// it was. The folder is created first if it does not exist yet. An existing file keeps its
// permissions, a new one gets 0666 less the umask, neither ever set-user-ID, set-group-ID or
// sticky. Only a regular file is replaced: a device, FIFO, socket or folder in its place is
// refused. A symbolic link keeps pointing where it did and its target, a regular file, is
// replaced, but only when the link is the user's own or lies in a folder that is not sticky and
// writable by all (as /tmp is), where another user may have planted it; a link to nothing is
// refused.
class HypothesisFile : public ExportFile
{
public:
    // An empty `path` is a desktop folder that could not be found: every export fails, saying so.
    explicit HypothesisFile(std::string path, FileCalls *calls = nullptr);

    // The user's desktop folder, found as the XDG user directories say: XDG_DESKTOP_DIR in
    // user-dirs.dirs of $XDG_CONFIG_HOME (~/.config when unset), otherwise ~/Desktop. Only
    // absolute paths count; empty when neither gives one (HOME unset, or not absolute).
    static std::string desktopFolder();
    // hypothesis.txt in `folder`; empty for an empty folder.
    static std::string pathIn(const std::string &folder);

    std::string path() const override;
    std::optional<ExportFailure> replace(std::string_view bytes) override;

private:
    int openTemporary(const std::string &file, std::string &temporary);
    bool writeAll(int fd, std::string_view bytes);

    std::string m_path;
    FileCalls *m_calls;
};

} // namespace vspace
