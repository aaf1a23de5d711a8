#pragma once

#include "examples.h"
#include "rows.h"
#include "step.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace vspace {

// The program's learner: candidate elimination as this program does it, a step at a time on a
// state that is a plain value. It departs from the textbook's candidate elimination on purpose,
// in the ways the comments below name; the tests named there pin each one.

// The tables hold at most this many rows: an example that would need more is refused.
inline constexpr int kTableRows = 30;
// At most this many examples are learnt (the counter below counts from 1).
inline constexpr int kMaxExamples = 32766;

// Everything the program's learner knows. Copying it costs in proportion to its tables: the
// examples and every table are shared with the copy.
struct LearningState
{
    Rows general;                  // G
    Row specific;                  // S, a single row: all "0" until learnt
    Rows versionSpace;             // empty while there is none
    std::int16_t exampleCount = 1; // 1 at the start, raised by every example
    ExampleLog examples;           // what the learning data lists
    // Negative examples pressed before the first positive one: this learner ignores them, the
    // textbook learner learns them right after it.
    std::vector<Row> held;

    // The initial state for instances of `width` attributes: G the all-"?" row, S the all-"0"
    // row, nothing learnt.
    explicit LearningState(std::size_t width);
    LearningState()
        : LearningState(kAttributeCount)
    {}
    std::size_t width() const { return specific.size(); }
};

// A step taken: the state after it, and what changed.
struct Step
{
    LearningState state;
    StepRecord record;
};

// Learns `instance` as a positive or negative example of the concept; or refuses it, as a
// duplicate of an example learnt, as the 32,767th example, or because G or the version space
// would need more than 30 rows.
std::variant<Step, Refusal> train(const LearningState &state, Row instance, bool positive);

// The version space's vote on an unseen instance: nothing to vote with before a version space
// exists, or when no hypothesis is consistent (G is empty).
Prediction predict(const LearningState &state, const Row &instance);

} // namespace vspace
