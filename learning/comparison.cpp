#include "comparison.h"

#include <algorithm>
#include <unordered_set>

namespace vspace {

namespace {

struct RowHash
{
    std::size_t operator()(const Row &row) const noexcept
    {
        std::size_t hash = row.size();
        for (const Value &value : row)
            hash = hash * 31 + value.hash();
        return hash;
    }
};

// The rows of `rows` that `other` lacks. A long `other` (a textbook's version space holds up to
// 65,536 rows) is looked up by hash.
LearnerDifference::Lacked lacking(const Rows &rows, const Rows &other)
{
    LearnerDifference::Lacked missing;
    const auto lacked = [&](const Row &row) {
        if (++missing.count <= LearnerDifference::Lacked::kFirstKept)
            missing.first.push_back(row);
    };
    if (rows.size() * other.size() < 4096) {
        for (const Row &row : rows) {
            if (!other.contains(row))
                lacked(row);
        }
        return missing;
    }
    const std::unordered_set<Row, RowHash> known(other.begin(), other.end());
    for (const Row &row : rows) {
        if (!known.contains(row))
            lacked(row);
    }
    return missing;
}

// The attributes at which `x` holds S's value, of those S holds a value at.
unsigned matching(const Row &x, const Row &s)
{
    unsigned mask = 0;
    for (std::size_t a = 0; a < s.size(); ++a) {
        if (s[a] != kAnyValue && sameValue(x[a], s[a]))
            mask |= 1u << a;
    }
    return mask;
}

} // namespace

void LearnerComparison::learn(const ExampleLog &log, const Row &specific)
{
    // A log that does not go on from the one known is learnt from its start (after Clear, or a
    // state returned to), or, when it is the start of the known one (an undo), cut back to it.
    const bool continues = log.extends(m_log);
    if (!continues && m_log.extends(log)) {
        for (std::vector<std::size_t> *numbers : {&m_positives, &m_negatives}) {
            while (!numbers->empty() && numbers->back() > log.size())
                numbers->pop_back();
        }
        m_log = log;
    } else if (!continues) {
        m_log = ExampleLog();
        m_positives.clear();
        m_negatives.clear();
    }
    // S moves a few times only: then the masks are made anew, otherwise only for the examples
    // learnt since.
    const std::size_t known = continues && sameRow(specific, m_specific) ? m_negatives.size() : 0;
    if (known == 0)
        m_firstNegative.assign(std::size_t{1} << specific.size(), 0);
    for (std::size_t n = m_log.size() + 1; n <= log.size(); ++n)
        (log.at(n).positive ? m_positives : m_negatives).push_back(n);
    m_log = log;
    m_specific = specific;
    for (std::size_t i = known; i < m_negatives.size(); ++i) {
        std::size_t &first = m_firstNegative[matching(log.at(m_negatives[i]).values, specific)];
        first = first ? first : m_negatives[i];
    }
}

std::size_t LearnerComparison::contradicted(const Row &row) const
{
    // A row that holds a value where S holds another, or "?", rejects a positive example.
    unsigned values = 0;
    bool rejectsPositive = false;
    for (std::size_t a = 0; a < row.size(); ++a) {
        if (row[a] == kAnyValue)
            continue;
        values |= 1u << a;
        rejectsPositive = rejectsPositive || !sameValue(row[a], m_specific[a]);
    }
    if (rejectsPositive) {
        for (const std::size_t n : m_positives) {
            if (!accepts(row, m_log.at(n).values))
                return n;
        }
        return 0;
    }
    std::size_t first = 0;
    for (unsigned mask = 0; mask < m_firstNegative.size(); ++mask) {
        const std::size_t n = m_firstNegative[mask];
        if (n && (mask & values) == values && (first == 0 || n < first))
            first = n;
    }
    return first;
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
    learn(program.examples, program.specific);
    for (const Rows *rows : {&program.general, &program.versionSpace}) {
        for (const Row &row : *rows) {
            const bool listed = std::any_of(difference.contradictions.begin(),
                                            difference.contradictions.end(),
                                            [&](const auto &c) { return sameRow(c.row, row); });
            if (const std::size_t example = listed ? 0 : contradicted(row))
                difference.contradictions.push_back({row, example});
        }
    }
    return difference;
}

} // namespace vspace
