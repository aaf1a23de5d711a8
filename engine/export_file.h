#pragma once

#include "text_catalog.h"

#include <optional>
#include <string>
#include <string_view>

namespace vspace {

struct EngineState;

// Why an export failed: a reason from the catalog and the text that fills its %1.
struct ExportFailure
{
    Text reason;
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

// The bytes of the export file for the version space of `state`: each row's text between two
// double quotation marks, followed by CR LF; nothing escaped. Empty when there is no version
// space.
std::string hypothesisFileBytes(const EngineState &state);

} // namespace vspace
