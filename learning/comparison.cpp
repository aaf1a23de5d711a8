#include "comparison.h"

#include <algorithm>

namespace vspace {

namespace {

// The rows of `rows` that `other` lacks.
std::vector<Row> lacking(const Rows &rows, const Rows &other)
{
    std::vector<Row> missing;
    for (const Row &row : rows) {
        if (!other.contains(row))
            missing.push_back(row);
    }
    return missing;
}

} // namespace

bool LearnerDifference::any() const
{
    return !generalTextbookOnly.empty() || !generalProgramOnly.empty() || !spaceTextbookOnly.empty()
           || !spaceProgramOnly.empty() || !contradictions.empty() || textbookCollapsed;
}

LearnerDifference LearnerComparison::compare(const LearningState &program,
                                             const TextbookState &textbook)
{
    LearnerDifference difference;
    if (!textbook.specific && !textbook.collapsed)
        return difference; // nothing learnt yet: no version space to compare
    difference.textbookCollapsed = textbook.collapsed && !program.general.empty();
    difference.generalTextbookOnly = lacking(textbook.general, program.general);
    difference.generalProgramOnly = lacking(program.general, textbook.general);
    difference.spaceTextbookOnly = lacking(textbook.versionSpace, program.versionSpace);
    difference.spaceProgramOnly = lacking(program.versionSpace, textbook.versionSpace);

    // A log that does not hold the examples checked before (after Clear, or a state returned to)
    // starts the checks again.
    const ExampleLog &log = program.examples;
    const bool continues = m_log.size() <= log.size() && m_log.size() > 0
                           && log.find(m_log.at(m_log.size()).values) == m_log.size();
    if (!continues)
        m_checked.clear();
    m_log = log;
    std::unordered_map<Row, Checked, RowHash> kept;
    for (const Rows *rows : {&program.general, &program.versionSpace}) {
        for (const Row &row : *rows) {
            auto at = kept.find(row);
            if (at == kept.end()) {
                const auto before = m_checked.find(row);
                at = kept.emplace(row, before == m_checked.end() ? Checked{} : before->second).first;
            }
            Checked &checked = at->second;
            for (; !checked.contradiction && checked.examples < log.size(); ++checked.examples) {
                const Example example = log.at(checked.examples + 1);
                if (accepts(row, example.values) != example.positive)
                    checked.contradiction = checked.examples + 1;
            }
            const bool listed = std::any_of(difference.contradictions.begin(),
                                            difference.contradictions.end(),
                                            [&](const auto &c) { return sameRow(c.row, row); });
            if (checked.contradiction && !listed)
                difference.contradictions.push_back({row, checked.contradiction});
        }
    }
    m_checked = std::move(kept);
    return difference;
}

} // namespace vspace
