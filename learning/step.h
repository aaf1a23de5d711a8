#pragma once

#include "rows.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vspace {

// What a training step of a learner changed and why, as data; why it refused an example; what it
// predicts. The program's learner and the textbook learner both speak in these.

// Why a row left G: it rejects the positive example, accepts the negative one, or (the textbook
// learner) another row of G is more general than it.
enum class DropReason { RejectsPositive, AcceptsNegative, LessGeneral };

// A row that left G: its place in G before the step (from 1), the row, and why.
struct DroppedRow
{
    int position;
    Row row;
    DropReason reason;
};

// A row a negative example added to G: S's value `value` at `attribute`, the row made from the G
// row `source`: for the textbook learner the member it specialises, for the program's learner the
// row it took its tail from (the values after `attribute`; "?" before it).
struct MadeRow
{
    static constexpr int kMadeBefore = -1; // the row this step made just before it
    static constexpr int kNone = 0;        // G was empty: all "?"

    Row row;
    int attribute; // 1 to 6
    Value value;
    int source; // one of the two above, or the number (from 1) of a G row as the step found it
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
    bool collapsed = false;        // the textbook learner: no hypothesis is consistent any more
    std::vector<DroppedRow> dropped;
    std::vector<MadeRow> made;
    SpecificMove specific;
    Rows generalBefore, generalAfter;
    Rows versionSpaceBefore, versionSpaceAfter;
    // The textbook learner: a negative example before the first positive one, held until it; and
    // on the first positive example, the held ones learnt right after it, in order.
    bool held = false;
    std::vector<StepRecord> heldLearnt;
};

// Why an example was not learnt; the state stays as it was.
struct Refusal
{
    enum class Kind { Duplicate, ExampleLimit, GeneralLimit, VersionSpaceLimit };
    Kind kind;
    std::size_t repeats = 0;    // Duplicate: the number of the example it repeats
    std::size_t rowsNeeded = 0; // the limits: the rows G or the version space would need
    Row instance = {};          // the example refused
};

// A vote on an unseen instance: positive or negative when every row of a version space agrees,
// undecided otherwise; or nothing to vote with.
struct Prediction
{
    enum class Answer { Positive, Negative, Undecided, NothingLearnt, NoConsistent };
    Answer answer;
    std::size_t accepting = 0, voting = 0;
};

// The vote of a nonempty version space on `instance`: positive when every row accepts it, negative
// when none does, undecided otherwise.
inline Prediction voteOf(const Rows &versionSpace, const Row &instance)
{
    Prediction vote{Prediction::Answer::Undecided, 0, versionSpace.size()};
    for (const Row &row : versionSpace)
        vote.accepting += accepts(row, instance) ? 1 : 0;
    if (vote.accepting == vote.voting)
        vote.answer = Prediction::Answer::Positive;
    else if (vote.accepting == 0)
        vote.answer = Prediction::Answer::Negative;
    return vote;
}

} // namespace vspace
