#include "export_file.h"

namespace vspace {

std::string hypothesisFileBytes(const Rows &versionSpace)
{
    std::string bytes;
    for (const Row &row : versionSpace) {
        bytes += '"';
        bytes += rowText(row);
        bytes += "\"\r\n";
    }
    return bytes;
}

} // namespace vspace
