#pragma once

#include "learner.h"
#include "textbook.h"

#include <cstddef>
#include <unordered_map>
#include <vector>

namespace vspace {

// Where the program's learner and the textbook learner differ, after the same examples: the rows
// of G and of the version space that one has and the other lacks, and the program's rows that
// contradict an example learnt (accept a negative one or reject a positive one).
struct LearnerDifference
{
    struct Contradiction
    {
        Row row;
        std::size_t example; // its number in the learning data
    };

    std::vector<Row> generalTextbookOnly, generalProgramOnly;
    std::vector<Row> spaceTextbookOnly, spaceProgramOnly;
    std::vector<Contradiction> contradictions;
    bool textbookCollapsed
            = false; // no hypothesis is consistent, while the program's G is not empty

    bool any() const;
};

// Finds the differences between the two learners, and keeps, for the rows it has met, how far it
// has checked them against the examples: a row met again is checked only against the examples
// learnt since, so that a long session costs in proportion to what changed.
class LearnerComparison
{
public:
    LearnerDifference compare(const LearningState &program, const TextbookState &textbook);

private:
    struct Checked
    {
        std::size_t examples = 0;      // how many examples it has been checked against
        std::size_t contradiction = 0; // the first example it contradicts; 0 for none
    };
    std::unordered_map<Row, Checked, RowHash> m_checked;
    ExampleLog m_log; // the examples the rows were checked against
};

} // namespace vspace
