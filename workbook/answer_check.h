#pragma once

#include "explanation.h"
#include "form.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vspace {

// A training step for the student to work out before it is shown: the example, the lists of the
// learner shown before it and after it, and that learner's record of the step.
struct StepExercise
{
    Learner learner = Learner::Textbook;
    Row instance;
    bool positive = true;
    std::vector<Row> specificBefore = {}, generalBefore = {};
    std::vector<Row> specificAfter = {}, generalAfter = {};
    StepRecord record = {};
};

// The exercise of learning `instance` as a positive or negative example, for `learner` (the
// textbook learner's state read only for it); none where there is nothing to work out: the
// example refused, a negative example the textbook learner holds, or no hypothesis left.
std::optional<StepExercise> stepExercise(const LearningState &program,
                                         const TextbookState &textbook, Learner learner,
                                         const Row &instance, bool positive);

// A student's answer checked: each row written, in order, right or wrong; how many rows of the
// answer were not written; and the first mistake explained in a sentence (none when all is right).
enum class RowMark { Right, Wrong };
struct CheckedList
{
    std::vector<RowMark> marks;
    std::size_t missing = 0;
};
struct CheckedAnswer
{
    CheckedList specific, general;
    std::string mistake;
    bool right() const { return mistake.empty(); }
};

// Checks the rows a student wrote for the next S and G against the step's. Rows count as sets: in
// any order, each once. The first mistake is S's, then the first wrong row of G, then the first
// missing one: why a row leaves G or cannot be in it, why a row stays, where a new row comes
// from. Attributes are named by `names` where they have names.
CheckedAnswer checkAnswer(const StepExercise &exercise, const std::vector<Row> &specific,
                          const std::vector<Row> &general, const Phrase &phrase,
                          const std::vector<std::string> &names = {});

} // namespace vspace
