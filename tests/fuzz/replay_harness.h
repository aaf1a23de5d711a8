#pragma once

#include "export_file.h"

#include <string>
#include <string_view>

namespace vspace::testing {

// Keeps the bytes of the last export in memory.
struct MemoryFile : ExportFile
{
    std::string bytes;
    std::string path() const override { return "hypothesis.txt"; }
    std::optional<ExportFailure> replace(std::string_view b) override
    {
        return bytes = b, std::nullopt;
    }
};

// Plays `bytes` as a replay session, as JSON Lines and as CSV, checking the engine's invariants
// after every press and that bad input, and only bad input, stops the run with a message naming
// its line. Returns what went wrong, or an empty text.
std::string playReplayInput(std::string_view bytes);

} // namespace vspace::testing
