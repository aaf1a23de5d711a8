#pragma once

#include "comparison.h"
#include "explanation.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vspace {

// What one press taught, made once from what the learner shown recorded: the sentence that explains
// it, and the rows it added to G, S and the version space, by their place in the lists that show
// them, which front ends mark until the next press. The page's Steps and marks, the report and
// vspace-replay --explain all read it.
struct Lesson
{
    std::string sentence;
    std::array<std::vector<std::size_t>, 3> added; // G, S, the version space
};

// The lesson of a press of `button`, or of an undo or redo (`history`), whose outcome for the
// learner shown is `outcome`; an ignored press adds nothing. `textbook`: the textbook learner is
// shown (its S is no row after a collapse). The sentence names attributes by `names`, where the
// session names them.
Lesson lessonOf(std::optional<Button> button, std::optional<History> history,
                const PressOutcome &outcome, bool ignored, bool textbook, const Phrase &phrase,
                const std::vector<std::string> &names = {});
// The sentence alone of the lesson of a press of `button`, or of an undo or redo: for a front end
// that tells each learner's, without the rows the press added.
std::string sentenceOf(std::optional<Button> button, std::optional<History> history,
                       const PressOutcome &outcome, bool ignored, const Phrase &phrase,
                       const std::vector<std::string> &names = {});
// A press's sentence with the name its example has in the session's table ("D3: Positive
// example ..."); as it is when the example has none.
std::string sentenceOfExample(std::string sentence, const std::string &example,
                              const Phrase &phrase);

// Where the program's learner and the textbook learner differ once a press is taken, under one
// rule for the page and the report alike: where their G and version spaces differ and which of
// the program's rows contradict an example (kDifferenceRows rows named a list), after every press
// and every undo or redo; and, when the last press was a Predict both learners voted on, where
// their votes differ. It keeps what it learnt of the examples from one press to the next.
class DifferenceNotes
{
public:
    // The notes on `form` as its last action left it; none when the learners agree.
    std::vector<std::string> after(const Form &form, const Phrase &phrase);

private:
    LearnerComparison m_comparison;
};

} // namespace vspace
