#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vspace {

class Controls;

// The destination of "Gen Text": one file at a fixed path, replaced whole by every export.
class ExportFile
{
public:
    virtual ~ExportFile() = default;

    // The path as the user is told it.
    virtual std::string path() const = 0;
    // Replaces the file's content with `bytes`. Returns nothing on success, otherwise the
    // reason it failed; a failed replacement leaves the previous file as it was.
    virtual std::optional<std::string> replace(std::string_view bytes) = 0;
};

// The bytes of the export file for the version space shown in List4: each item between two
// double quotation marks, followed by CR LF; nothing escaped.
std::string hypothesis_file_bytes(const Controls &controls);

} // namespace vspace
