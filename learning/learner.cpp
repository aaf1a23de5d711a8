#include "learner.h"

#include <algorithm>
#include <optional>

namespace vspace {

namespace {

// The new rows a negative example `x` adds to G: one scan per attribute at which S rules x out
// (S holds a value there other than "?" and other than x's). Intended, and not the textbook's
// minimal specialisation: the new row holds "?" before that attribute, S's value at it, and after
// it the values of the row before it in G: the row made just before, or G's last row, or all "?"
// when G is empty (ProgramsLearner.DepartsFromTheTextbookOnPurpose/tails_from_the_row_before). A
// row that ends all "?" is withdrawn, and one that repeats a row of G or a row made before is not
// made again.
std::vector<MadeRow> specialisations(const Rows &general, const Row &s, const Row &x)
{
    std::vector<MadeRow> made;
    for (int a = 1; a <= kAttributeCount; ++a) {
        const std::string &sa = s[static_cast<std::size_t>(a - 1)];
        if (sa == x[static_cast<std::size_t>(a - 1)] || sa == kAnyValue)
            continue;
        MadeRow row{mostGeneralRow(), a, sa, MadeRow::kTailFromNone};
        const Row *tail = nullptr;
        if (!made.empty())
            tail = &made.back().row, row.tailFrom = MadeRow::kTailFromMadeBefore;
        else if (!general.empty())
            tail = &general[general.size() - 1], row.tailFrom = static_cast<int>(general.size());
        row.row[static_cast<std::size_t>(a - 1)] = sa;
        for (int b = a + 1; tail && b <= kAttributeCount; ++b)
            row.row[static_cast<std::size_t>(b - 1)] = (*tail)[static_cast<std::size_t>(b - 1)];
        const auto same = [&](const MadeRow &other) { return sameRow(other.row, row.row); };
        if (isMostGeneral(row.row) || general.contains(row.row)
            || std::any_of(made.begin(), made.end(), same))
            continue;
        made.push_back(std::move(row));
    }
    return made;
}

// The version space of G and S. Intended, and not the textbook's every hypothesis between S and
// G: the distinct rows one step from each G row towards S, that is, for every attribute at which
// a G row differs from S, that row with S's value there; none while G's first row is all "?"
// (ProgramsLearner.DepartsFromTheTextbookOnPurpose/one_step_towards_s, none_while_g_is_all_any).
// A G row equal to S stands for itself only when no other row is made (g_equal_to_s). Returns
// the rows, or nothing when more than 30 would be needed, with `needed` saying how many.
std::optional<std::vector<Row>> versionSpace(const Rows &general, const Row &s, std::size_t &needed)
{
    std::vector<Row> rows;
    needed = 0;
    if (general.empty() || isMostGeneral(general[0]))
        return rows;
    const Row *equalToS = nullptr;
    for (const Row &g : general) {
        bool differs = false;
        for (std::size_t a = 0; a < kAttributeCount; ++a) {
            if (sameValue(g[a], s[a]))
                continue;
            differs = true;
            Row candidate = g;
            candidate[a] = s[a];
            if (std::none_of(rows.begin(), rows.end(),
                             [&](const Row &r) { return sameRow(r, candidate); }))
                rows.push_back(std::move(candidate));
        }
        if (!differs)
            equalToS = &g;
    }
    if (rows.empty() && equalToS)
        rows.push_back(*equalToS);
    needed = rows.size();
    if (rows.size() > static_cast<std::size_t>(kTableRows))
        return std::nullopt;
    return rows;
}

} // namespace

LearningState::LearningState()
    : general(std::vector<Row>{mostGeneralRow()})
{}

std::variant<Step, Refusal> train(const LearningState &state, const Row &x, bool positive)
{
    if (const std::size_t repeats = state.examples.find(x))
        return Refusal{Refusal::Kind::Duplicate, repeats, 0};
    if (state.exampleCount > kMaxExamples)
        return Refusal{Refusal::Kind::ExampleLimit, 0, 0};

    Step step{state, {}};
    StepRecord &record = step.record;
    record.instance = x;
    record.positive = positive;
    record.dropReason = positive ? DropReason::RejectsPositive : DropReason::AcceptsNegative;
    record.generalBefore = state.general;
    record.versionSpaceBefore = state.versionSpace;
    // A negative example's new rows come from G as the step finds it, the rows it drops included.
    if (!positive)
        record.made = specialisations(state.general, state.specific, x);

    // G keeps the rows consistent with the example: for a positive one those that accept it,
    // for a negative one those that reject it; then come the new rows. Intended, and not the
    // textbook's: no row is dropped for being less general than another
    // (ProgramsLearner.DepartsFromTheTextbookOnPurpose/keeps_a_less_general_row).
    std::vector<Row> general;
    for (std::size_t r = 0; r < state.general.size(); ++r) {
        if (accepts(state.general[r], x) == positive)
            general.push_back(state.general[r]);
        else
            record.dropped.push_back({static_cast<int>(r + 1), state.general[r]});
    }
    for (const MadeRow &made : record.made)
        general.push_back(made.row);
    if (!positive && general.size() > static_cast<std::size_t>(kTableRows))
        return Refusal{Refusal::Kind::GeneralLimit, 0, general.size()};

    // A positive example generalises S just enough to accept it; the first one replaces it.
    SpecificMove &move = record.specific;
    move.from = move.to = state.specific;
    if (positive && state.exampleCount == 1) {
        move.to = x;
        move.replaced = true;
    } else if (positive) {
        for (std::size_t a = 0; a < kAttributeCount; ++a) {
            if (move.to[a] != kAnyValue && move.to[a] != x[a]) {
                move.to[a] = std::string(kAnyValue);
                move.generalised.push_back(static_cast<int>(a + 1));
            }
        }
    }

    std::size_t needed = 0;
    std::optional<std::vector<Row>> space = versionSpace(Rows(general), move.to, needed);
    if (!space)
        return Refusal{Refusal::Kind::VersionSpaceLimit, 0, needed};

    LearningState &next = step.state;
    next.general = record.dropped.empty() && record.made.empty() ? state.general
                                                                 : Rows(std::move(general));
    next.specific = move.to;
    next.versionSpace = Rows(std::move(*space));
    if (next.versionSpace == state.versionSpace)
        next.versionSpace = state.versionSpace; // shared, not kept twice
    ++next.exampleCount;
    next.examples = state.examples.with({x, positive});
    record.exampleNumber = next.examples.size();
    record.generalAfter = next.general;
    record.versionSpaceAfter = next.versionSpace;
    return step;
}

// Intended, and not the textbook's vote over every hypothesis between S and G: the rows of the
// version space list vote, and there is nothing to vote with while that list is empty, even when
// G holds rows; an instance that a G row accepts can be negative
// (ProgramsLearner.PredictsByTheVersionSpacesVote).
Prediction predict(const LearningState &state, const Row &x)
{
    if (state.versionSpace.empty()) {
        return {state.general.empty() ? Prediction::Answer::NoConsistent
                                      : Prediction::Answer::NothingLearnt};
    }
    Prediction vote{Prediction::Answer::Undecided, 0, state.versionSpace.size()};
    for (const Row &row : state.versionSpace)
        vote.accepting += accepts(row, x) ? 1 : 0;
    if (vote.accepting == vote.voting)
        vote.answer = Prediction::Answer::Positive;
    else if (vote.accepting == 0)
        vote.answer = Prediction::Answer::Negative;
    return vote;
}

} // namespace vspace
