#include "export_file.h"

#include "controls.h"

namespace vspace {

std::string hypothesis_file_bytes(const Controls &controls)
{
    std::string bytes;
    const int n = controls.count(ListId::List4);
    for (int i = 0; i < n; ++i) {
        bytes += '"';
        bytes += controls.item(ListId::List4, i);
        bytes += "\"\r\n";
    }
    return bytes;
}

} // namespace vspace
