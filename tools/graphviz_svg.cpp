#include "lesson_report.h"

#include <gvc.h>

#include <memory>

namespace vspace {

std::string renderSvg(const std::string &dot)
{
    // One Graphviz context for the whole run: its text layout keeps a pointer to the last font
    // name of the context it last served, which a second context would find freed.
    static GVC_t *const context = gvContext();
    const std::unique_ptr<Agraph_t, int (*)(Agraph_t *)> layout(agmemread(dot.c_str()), agclose);
    if (!context || !layout || gvLayout(context, layout.get(), "dot") != 0)
        return reportNote(Text::ReportNotLaidOut);
    char *data = nullptr;
    unsigned int length = 0;
    const int rendered = gvRenderData(context, layout.get(), "svg", &data, &length);
    std::string svg = rendered == 0 && data ? std::string(data, length) : std::string();
    gvFreeRenderData(data);
    gvFreeLayout(context, layout.get());
    // The page holds the SVG element itself, without the XML declaration and document type.
    const std::size_t start = svg.find("<svg");
    return start == std::string::npos ? reportNote(Text::ReportNotDrawn) : svg.substr(start);
}

} // namespace vspace
