#pragma once

#include "learner.h"
#include "textbook.h"

#include <cstddef>
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
        std::size_t example; // the first it contradicts, by its number in the learning data
    };

    // Rows one learner has and the other lacks: the first of them, and how many there are.
    struct Lacked
    {
        static constexpr std::size_t kFirstKept = 16;
        std::vector<Row> first;
        std::size_t count = 0;
    };
    Lacked generalTextbookOnly, generalProgramOnly;
    Lacked spaceTextbookOnly, spaceProgramOnly;
    std::vector<Contradiction> contradictions;
    bool textbookCollapsed
            = false; // no hypothesis is consistent, while the program's G is not empty
};

// Finds the differences between the two learners after each step of a session. It keeps what it
// learnt of the examples from one step to the next, so that a row is checked against all of them
// in a time that does not grow with their number.
class LearnerComparison
{
public:
    LearnerDifference compare(const LearningState &program, const TextbookState &textbook);

private:
    // Brings the knowledge of the examples up to `log`, with S as `specific`.
    void learn(const ExampleLog &log, const Row &specific);
    // The first example `row` contradicts; 0 for none.
    std::size_t contradicted(const Row &row) const;

    ExampleLog m_log;                                  // the examples known
    Row m_specific;                                    // the S the masks were made for
    std::vector<std::size_t> m_positives, m_negatives; // their numbers, in order
    // For each set of attributes (bit a - 1 for attribute a), the first negative example that
    // matches S at exactly those of S's values: a row that keeps S's value at some attributes and
    // "?" elsewhere accepts it when they all lie in the set.
    std::vector<std::size_t> m_firstNegative;
};

} // namespace vspace
