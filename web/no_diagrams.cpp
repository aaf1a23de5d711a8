#include "lesson_report.h"

namespace vspace {

// This build has no Graphviz to lay diagrams out.
std::string renderSvg(const std::string &)
{
    return "<p class=\"none\">(This build of vspace-replay draws no diagrams.)</p>";
}

} // namespace vspace
