#pragma once

#include "comparison.h"
#include "controls.h"
#include "form.h"

#include <functional>
#include <string>
#include <vector>

namespace vspace {

// Undo and Redo, which a front end offers besides the window's buttons.
enum class History { Undo, Redo };

// A text of the catalog in the user's language.
using Phrase = std::function<std::string(Text)>;

// One or two sentences that explain what a press did to the learner shown, from what that learner
// recorded: for a training press the example, the rows G lost and gained and why, how S moved and
// the version space's size, or why it was refused; for Predict the vote; for the other presses,
// and a press of the greyed Negative (`ignored`), what they do. Attributes are named by `names`
// (the attribute a at a - 1) where all those a sentence mentions have one, by number otherwise.
std::string explainPress(Button button, const PressOutcome &outcome, bool ignored,
                         const Phrase &phrase, const std::vector<std::string> &names = {});

// How a positive example moved S, and why, in a sentence: it became the example, or the
// attributes it does not share no longer matter; or S is unchanged.
std::string explainSpecific(const SpecificMove &move, const Phrase &phrase,
                            const std::vector<std::string> &names = {});

// What an undo or redo did, or that there was nothing to undo or redo (`ignored`).
std::string explainHistory(History step, bool ignored, const Phrase &phrase);

// How many rows a note on where the learners differ names, in the page and in the report alike;
// it says how many more there are.
inline constexpr std::size_t kDifferenceRows = 4;

// Sentences that say where the two learners differ, one for each difference; none when they
// agree. The votes are the two learners' when the press was Predict. With a `limit`, a list names
// that many rows and says how many more, and the notes stop short of four times that many.
std::vector<std::string> explainDifference(const LearnerDifference &difference,
                                           const LearningState &program, const Phrase &phrase,
                                           const Prediction *programVote = nullptr,
                                           const Prediction *textbookVote = nullptr,
                                           std::size_t limit = 0);

// A list as a sentence reads it: "a, b and c".
std::string listed(const std::vector<std::string> &items, const Phrase &phrase);

// A value or a name as the program's own texts write it: in its own direction, whatever its
// neighbours'. A text other than ASCII is put between U+2068 and U+2069, which isolate it, so that
// a right-to-left value, or one holding a direction's override, leaves the sentence around it be.
std::string isolated(std::string_view text);
// A row as the program's own texts write it: its values isolated, separated by commas; a row too
// long to read at a glance shortened in the middle to about `kept` characters at each end (0 for
// never), each end isolated.
std::string isolatedRow(const Row &row, std::size_t kept = 0);
// A learning-data row as isolatedRow() writes it, its label ("+" or "-") at its end.
std::string isolatedEntry(const Row &values, bool positive, std::size_t kept = 0);
// A name or a row's text as isolatedRow() shortens it.
std::string shortened(const std::string &text, std::size_t kept);
// The characters a sentence keeps at each end of a long row or name.
inline constexpr std::size_t kQuotedCharacters = 40;

} // namespace vspace
