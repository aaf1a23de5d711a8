#include "export_file.h"

#include "engine.h"

namespace vspace {

std::string hypothesisFileBytes(const EngineState &state)
{
    std::string bytes;
    for (int r = 1; r <= state.versionSpaceCount; ++r) {
        bytes += '"';
        bytes += rowText(state.versionSpace.row(r));
        bytes += "\"\r\n";
    }
    return bytes;
}

} // namespace vspace
