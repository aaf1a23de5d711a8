#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vspace {

// What a fresh exercise table is drawn from: the same request always gives the same table.
struct ExerciseRequest
{
    static constexpr std::size_t kMinAttributes = 3, kMaxAttributes = 16;
    static constexpr std::size_t kMinExamples = 4, kMaxExamples = 200;

    std::size_t seed = 1;       // 0 to 2^32 - 1
    std::size_t attributes = 6; // kMinAttributes to kMaxAttributes
    std::size_t examples = 8;   // kMinExamples to kMaxExamples
    bool collapse = false;      // the last example leaves the textbook learner no hypothesis
};

// A table of examples, as CSV with a header (the attributes' names, then "Label"; labels "yes"
// and "no"), chosen so that its trace teaches: the first example is positive; S generalises; a
// negative example splits G, and a later positive one drops one of its rows; both learners learn
// every example, none refused; and the textbook learner's version space ends with 2, 4 or 8
// hypotheses, or, when asked for, the last example leaves it none.
std::string exerciseTable(const ExerciseRequest &request);

} // namespace vspace
