#include "learner.h"

#include <algorithm>
#include <array>

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
    made.reserve(static_cast<std::size_t>(
            std::count_if(s.begin(), s.end(), [&, a = 0](const Value &sa) mutable {
                return sa != x[static_cast<std::size_t>(a++)] && sa != kAnyValue;
            })));
    for (int a = 1; a <= static_cast<int>(s.size()); ++a) {
        const Value &sa = s[static_cast<std::size_t>(a - 1)];
        if (sa == x[static_cast<std::size_t>(a - 1)] || sa == kAnyValue)
            continue;
        MadeRow row{mostGeneralRow(s.size()), a, sa, MadeRow::kNone};
        const Row *tail = nullptr;
        if (!made.empty())
            tail = &made.back().row, row.source = MadeRow::kMadeBefore;
        else if (!general.empty())
            tail = &general[general.size() - 1], row.source = static_cast<int>(general.size());
        row.row[static_cast<std::size_t>(a - 1)] = sa;
        for (int b = a + 1; tail && b <= static_cast<int>(s.size()); ++b)
            row.row[static_cast<std::size_t>(b - 1)] = (*tail)[static_cast<std::size_t>(b - 1)];
        const auto same = [&](const MadeRow &other) { return sameRow(other.row, row.row); };
        if (isMostGeneral(row.row) || general.contains(row.row)
            || std::any_of(made.begin(), made.end(), same))
            continue;
        made.push_back(std::move(row));
    }
    return made;
}

// One row of the version space, not yet made: G row `g` with S's value at attribute index `a`,
// or `g` itself (a = -1).
struct Candidate
{
    const Row *g;
    int a;
    const Value &value(std::size_t b, const Row &s) const
    {
        return static_cast<int>(b) == a ? s[b] : (*g)[b];
    }
};

// The version space of G and S. Intended, and not the textbook's every hypothesis between S and
// G: the distinct rows one step from each G row towards S, that is, for every attribute at which
// a G row differs from S, that row with S's value there; none while G's first row is all "?"
// (ProgramsLearner.DepartsFromTheTextbookOnPurpose/one_step_towards_s, none_while_g_is_all_any).
// A G row equal to S stands for itself only when no other row is made (g_equal_to_s). Writes
// the rows, as candidates, into `rows` (whose room is kept from one step to the next) and returns
// how many there are; more than 30 is a version space too large to learn.
std::size_t versionSpace(const std::vector<Row> &general, const Row &s, std::vector<Candidate> &rows)
{
    rows.clear();
    if (general.empty() || isMostGeneral(general[0]))
        return 0;
    const Row *equalToS = nullptr;
    for (const Row &g : general) {
        bool differs = false;
        for (std::size_t a = 0; a < s.size(); ++a) {
            if (sameValue(g[a], s[a]))
                continue;
            differs = true;
            const Candidate candidate{&g, static_cast<int>(a)};
            const auto same = [&](const Candidate &other) {
                for (std::size_t b = 0; b < s.size(); ++b) {
                    if (!sameValue(other.value(b, s), candidate.value(b, s)))
                        return false;
                }
                return true;
            };
            if (std::none_of(rows.begin(), rows.end(), same))
                rows.push_back(candidate);
        }
        if (!differs)
            equalToS = &g;
    }
    if (rows.empty() && equalToS)
        rows.push_back({equalToS, -1});
    return rows.size();
}

// The candidates as rows: those of `kept` when they are the same rows, so that a version space a
// step left as it was is shared, not kept twice.
Rows made(const std::vector<Candidate> &candidates, const Row &s, const Rows &kept)
{
    const auto same = [&](const Candidate &candidate, const Row &row) {
        for (std::size_t b = 0; b < s.size(); ++b) {
            if (!sameValue(candidate.value(b, s), row[b]))
                return false;
        }
        return true;
    };
    if (std::equal(candidates.begin(), candidates.end(), kept.begin(), kept.end(), same))
        return kept;
    std::vector<Row> rows;
    rows.reserve(candidates.size());
    for (const Candidate &candidate : candidates) {
        rows.push_back(*candidate.g);
        if (candidate.a >= 0)
            rows.back()[static_cast<std::size_t>(candidate.a)]
                    = s[static_cast<std::size_t>(candidate.a)];
    }
    return Rows(std::move(rows));
}

} // namespace

LearningState::LearningState(std::size_t width)
    : specific(mostSpecificRow(width))
{
    static std::array<Rows, kMaxAttributes + 1> initial; // of each width, shared by every start
    if (initial[width].empty())
        initial[width] = Rows(std::vector<Row>{mostGeneralRow(width)});
    general = initial[width];
}

std::variant<Step, Refusal> train(const LearningState &state, Row instance, bool positive)
{
    const Row &x = instance;
    if (const std::size_t repeats = state.examples.find(x))
        return Refusal{Refusal::Kind::Duplicate, repeats, 0, instance};
    if (state.exampleCount > kMaxExamples)
        return Refusal{Refusal::Kind::ExampleLimit, 0, 0, instance};

    std::variant<Step, Refusal> result(std::in_place_type<Step>); // made in place, not moved
    StepRecord &record = std::get<Step>(result).record;
    record.positive = positive;
    record.generalBefore = state.general;
    record.versionSpaceBefore = state.versionSpace;
    // A negative example's new rows come from G as the step finds it, the rows it drops included.
    if (!positive)
        record.made = specialisations(state.general, state.specific, x);

    // G keeps the rows consistent with the example: for a positive one those that accept it,
    // for a negative one those that reject it; then come the new rows. Intended, and not the
    // textbook's: no row is dropped for being less general than another
    // (ProgramsLearner.DepartsFromTheTextbookOnPurpose/keeps_a_less_general_row).
    for (std::size_t r = 0; r < state.general.size(); ++r) {
        if (accepts(state.general[r], x) != positive)
            record.dropped.push_back(
                    {static_cast<int>(r + 1), state.general[r],
                     positive ? DropReason::RejectsPositive : DropReason::AcceptsNegative});
    }
    const bool unchanged = record.dropped.empty() && record.made.empty();
    std::vector<Row> changed;
    if (!unchanged)
        changed.reserve(state.general.size() - record.dropped.size() + record.made.size());
    for (std::size_t r = 0, d = 0; !unchanged && r < state.general.size(); ++r) {
        if (d < record.dropped.size() && record.dropped[d].position == static_cast<int>(r + 1))
            ++d;
        else
            changed.push_back(state.general[r]);
    }
    for (const MadeRow &made : record.made)
        changed.push_back(made.row);
    const std::vector<Row> &general = unchanged ? state.general.all() : changed;
    if (!positive && general.size() > static_cast<std::size_t>(kTableRows))
        return Refusal{Refusal::Kind::GeneralLimit, 0, general.size(), instance};

    // A positive example generalises S just enough to accept it; the first one replaces it.
    SpecificMove &move = record.specific;
    move.from = move.to = state.specific;
    if (positive && state.exampleCount == 1) {
        move.to = x;
        move.replaced = true;
    } else if (positive) {
        for (std::size_t a = 0; a < x.size(); ++a) {
            if (move.to[a] != kAnyValue && move.to[a] != x[a]) {
                move.to[a] = anyValue();
                move.generalised.push_back(static_cast<int>(a + 1));
            }
        }
    }

    thread_local std::vector<Candidate> space;
    if (const std::size_t rows = versionSpace(general, move.to, space); rows > kTableRows)
        return Refusal{Refusal::Kind::VersionSpaceLimit, 0, rows, instance};

    LearningState &next = std::get<Step>(result).state;
    next.general = unchanged ? state.general : Rows(std::move(changed));
    next.versionSpace = made(space, move.to, state.versionSpace);
    next.specific = move.to;
    next.exampleCount = static_cast<std::int16_t>(state.exampleCount + 1);
    next.examples = state.examples.with(x, positive);
    record.instance = std::move(instance);
    record.exampleNumber = next.examples.size();
    record.generalAfter = next.general;
    record.versionSpaceAfter = next.versionSpace;
    return result;
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
    return voteOf(state.versionSpace, x);
}

} // namespace vspace
