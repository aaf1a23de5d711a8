#pragma once

#include "rows.h"

#include <optional>
#include <string>
#include <string_view>

namespace vspace {

// Why an export failed, and the text (a path, or the system's own description) it names.
struct ExportFailure
{
    enum class Reason {
        NotAFolder,       // the folder's path is something else
        FolderNotCreated, // the folder could not be made
        FolderInTheWay,   // a folder has the file's name
        IncompleteWrite,  // written in part, with no reason from the system
        NotARegularFile,  // a device, FIFO, socket or folder where the file should be
        DanglingLink,     // a link to nothing
        ForeignLink,      // another user's link in a folder shared by all users
        NoDesktop,        // no desktop folder: HOME is not an absolute path
        System,           // the system's reason, in `argument`
    };
    Reason reason;
    std::string argument;
};

// The destination of "Gen Text": one file at a fixed path, replaced whole by every export.
class ExportFile
{
public:
    virtual ~ExportFile() = default;

    // The path as the user is told it.
    virtual std::string path() const = 0;
    // Replaces the file's content with `bytes`. Returns nothing on success, otherwise why it
    // failed; a failed replacement leaves the previous file as it was.
    virtual std::optional<ExportFailure> replace(std::string_view bytes) = 0;
};

// The bytes of the export file for `versionSpace`: each row's text between two double quotation
// marks, followed by CR LF; nothing escaped. Empty when there is no version space.
std::string hypothesisFileBytes(const Rows &versionSpace);

} // namespace vspace
