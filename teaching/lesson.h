#pragma once

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
// shown (its S is no row after a collapse).
Lesson lessonOf(std::optional<Button> button, std::optional<History> history,
                const PressOutcome &outcome, bool ignored, bool textbook, const Phrase &phrase);

} // namespace vspace
