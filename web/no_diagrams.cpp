#include "lesson_report.h"

namespace vspace {

// This build has no Graphviz to lay diagrams out.
std::string renderSvg(const std::string &)
{
    return reportNote(Text::ReportNoDiagrams);
}

} // namespace vspace
