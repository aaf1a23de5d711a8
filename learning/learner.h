#pragma once

#include "examples.h"
#include "rows.h"

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

    // The initial state: G the all-"?" row, S the all-"0" row, nothing learnt.
    LearningState();
};

// Why a row left G.
enum class DropReason { RejectsPositive, AcceptsNegative };

// A row that left G: its place in G before the step (from 1) and the row.
struct DroppedRow
{
    int position;
    Row row;
};

// A row a negative example added to G: "?" before `attribute`, S's value `value` at it, and after
// it the values of the row it took its tail from.
struct MadeRow
{
    static constexpr int kTailFromMadeBefore = -1; // the row this step made just before it
    static constexpr int kTailFromNone = 0;        // G was empty: all "?"

    Row row;
    int attribute; // 1 to 6
    std::string value;
    int tailFrom; // one of the two above, or the number (from 1) of G's last row as it was found
};

// How S moved: the first positive example replaces it; later ones make "?" each attribute whose
// value they do not share.
struct SpecificMove
{
    Row from, to;
    bool replaced = false;
    std::vector<int> generalised; // attributes, from 1, that became "?"
};

// What a training step changed, and why.
struct StepRecord
{
    Row instance;
    bool positive = true;
    std::size_t exampleNumber = 0; // its number in the learning data
    DropReason dropReason = DropReason::RejectsPositive;
    std::vector<DroppedRow> dropped;
    std::vector<MadeRow> made;
    SpecificMove specific;
    Rows generalBefore, generalAfter;
    Rows versionSpaceBefore, versionSpaceAfter;
};

// Why an example was not learnt; the state stays as it was.
struct Refusal
{
    enum class Kind { Duplicate, ExampleLimit, GeneralLimit, VersionSpaceLimit };
    Kind kind;
    std::size_t repeats = 0;    // Duplicate: the number of the example it repeats
    std::size_t rowsNeeded = 0; // the limits: the rows G or the version space would need
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

// The version space's vote on an unseen instance: positive or negative when every row of it
// agrees, undecided otherwise; nothing to vote with before a version space exists, or when no
// hypothesis is consistent (G is empty).
struct Prediction
{
    enum class Answer { Positive, Negative, Undecided, NothingLearnt, NoConsistent };
    Answer answer;
    std::size_t accepting = 0, voting = 0;
};

Prediction predict(const LearningState &state, const Row &instance);

} // namespace vspace
