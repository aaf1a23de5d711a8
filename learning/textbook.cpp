#include "textbook.h"

#include <algorithm>
#include <bit>
#include <set>

namespace vspace {

namespace {

// True when `upper` is more general than or equal to `lower`: it accepts all that `lower` accepts.
bool moreGeneralOrEqual(const Row &upper, const Row &lower)
{
    for (std::size_t a = 0; a < upper.size(); ++a) {
        if (upper[a] != kAnyValue && !sameValue(upper[a], lower[a]))
            return false;
    }
    return true;
}

// Every hypothesis between S and a member of G, those with more "?" first, ties by the positions
// of their values, left first. A hypothesis between them holds at each attribute S's value or "?",
// and "?" wherever S does: it is told by the attributes at which it keeps S's value.
Rows hypothesesBetween(const Row &s, const Rows &general)
{
    // A hypothesis is told by the set of attributes it keeps S's value at, bit a for attribute
    // a + 1; reversed, attribute 1 the highest bit, the sets with values further left are larger.
    const std::size_t width = s.size();
    const auto reversed = [width](unsigned set) {
        unsigned r = 0;
        for (std::size_t a = 0; a < width; ++a)
            r |= ((set >> a) & 1u) << (width - 1 - a);
        return r;
    };
    std::vector<bool> kept(std::size_t{1} << width);
    unsigned any = 0; // the attributes some kept hypothesis holds a value at
    for (const Row &g : general) {
        unsigned fixed = 0, free = 0; // attributes g holds S's value at, and those it leaves "?"
        for (std::size_t a = 0; a < width; ++a) {
            if (s[a] == kAnyValue)
                continue;
            (g[a] == kAnyValue ? free : fixed) |= 1u << a;
        }
        for (unsigned subset = free;; subset = (subset - 1) & free) {
            kept[fixed | subset] = true;
            if (subset == 0)
                break;
        }
        any |= fixed | free;
    }
    // By the number of values held, then the larger reversed set first: the subsets of a set,
    // counted down, come in that order.
    std::vector<std::vector<unsigned>> byCount(width + 1);
    const unsigned anyReversed = reversed(any);
    for (unsigned r = anyReversed;; r = (r - 1) & anyReversed) {
        const unsigned set = reversed(r);
        if (kept[set])
            byCount[static_cast<std::size_t>(std::popcount(set))].push_back(set);
        if (r == 0)
            break;
    }
    std::vector<Row> rows;
    std::size_t count = 0;
    for (const std::vector<unsigned> &sets : byCount)
        count += sets.size();
    rows.reserve(count);
    const Value &anyOne = anyValue();
    for (const std::vector<unsigned> &sets : byCount) {
        for (const unsigned set : sets) {
            Row h(width);
            for (std::size_t a = 0; a < width; ++a)
                h[a] = (set >> a) & 1u ? s[a] : anyOne;
            rows.push_back(std::move(h));
        }
    }
    return Rows(std::move(rows));
}

// The empty hypothesis, as the textbook writes it.
Row emptyHypothesis(std::size_t width)
{
    static const Value nothing(kEmptyHypothesisValue);
    Row row(width);
    row.fill(nothing);
    return row;
}

} // namespace

TextbookState::TextbookState(std::size_t width)
    : general(std::vector<Row>{mostGeneralRow(width)})
    , width(width)
{}

Rows TextbookState::specificRows() const
{
    if (collapsed)
        return {};
    return Rows(std::vector<Row>{specific.value_or(emptyHypothesis(width))});
}

namespace {

// One step of candidate elimination: `instance` learnt as an example, in the learning data when
// `logged`.
TextbookStep learn(const TextbookState &state, Row instance, bool positive, bool logged)
{
    TextbookStep step{TextbookState(state.width), {}};
    TextbookState &next = step.state;
    StepRecord &record = step.record;
    const Row &x = instance;
    record.positive = positive;
    record.generalBefore = state.general;
    record.versionSpaceBefore = state.versionSpace;
    record.specific.from = record.specific.to = state.specific.value_or(
            emptyHypothesis(state.width));
    next.examples = logged ? state.examples.with(x, positive) : state.examples;
    record.exampleNumber = logged ? next.examples.size() : 0;
    next.collapsed = state.collapsed;
    next.specific = state.specific;

    std::vector<Row> general;
    if (state.collapsed) {
        // Nothing is consistent any more: the example is learnt and changes nothing.
    } else if (positive) {
        for (std::size_t r = 0; r < state.general.size(); ++r) {
            if (accepts(state.general[r], x))
                general.push_back(state.general[r]);
            else
                record.dropped.push_back(
                        {static_cast<int>(r + 1), state.general[r], DropReason::RejectsPositive});
        }
        SpecificMove &move = record.specific;
        if (!state.specific) {
            move.to = x;
            move.replaced = true;
        } else {
            for (std::size_t a = 0; a < x.size(); ++a) {
                if (move.to[a] != kAnyValue && !sameValue(move.to[a], x[a])) {
                    move.to[a] = anyValue();
                    move.generalised.push_back(static_cast<int>(a + 1));
                }
            }
        }
        next.specific = move.to;
        next.collapsed = general.empty();
    } else if (state.specific && accepts(*state.specific, x)) {
        next.collapsed = true;
        for (std::size_t r = 0; r < state.general.size(); ++r) {
            if (accepts(state.general[r], x))
                record.dropped.push_back(
                        {static_cast<int>(r + 1), state.general[r], DropReason::AcceptsNegative});
        }
    } else {
        // Each member that accepts the example gives way, in its place, to its minimal
        // specialisations still more general than S: S's value at an attribute the member leaves
        // "?" and S rules the example out at.
        std::vector<MadeRow> made;
        for (std::size_t r = 0; r < state.general.size(); ++r) {
            const Row &g = state.general[r];
            if (!accepts(g, x)) {
                general.push_back(g);
                continue;
            }
            record.dropped.push_back({static_cast<int>(r + 1), g, DropReason::AcceptsNegative});
            for (std::size_t a = 0; state.specific && a < x.size(); ++a) {
                const Value &sa = (*state.specific)[a];
                if (g[a] != kAnyValue || sa == kAnyValue || sameValue(sa, x[a]))
                    continue;
                Row specialised = g;
                specialised[a] = sa;
                made.push_back({specialised, static_cast<int>(a + 1), sa, static_cast<int>(r + 1)});
                general.push_back(std::move(specialised));
            }
        }
        // Then G keeps each row once, and none that another row is more general than.
        std::vector<Row> kept;
        for (std::size_t i = 0; i < general.size(); ++i) {
            const Row &h = general[i];
            const bool repeated = std::any_of(general.begin(),
                                              general.begin() + static_cast<long>(i),
                                              [&](const Row &o) { return sameRow(o, h); });
            const bool lessGeneral = std::any_of(general.begin(), general.end(), [&](const Row &o) {
                return !sameRow(o, h) && moreGeneralOrEqual(o, h);
            });
            if (!repeated && !lessGeneral)
                kept.push_back(h);
        }
        for (MadeRow &row : made) {
            if (std::any_of(kept.begin(), kept.end(),
                            [&](const Row &k) { return sameRow(k, row.row); }))
                record.made.push_back(std::move(row));
        }
        for (const Row &h : general) {
            const bool wasInG = std::any_of(state.general.begin(), state.general.end(),
                                            [&](const Row &g) { return sameRow(g, h); });
            const bool stays = std::any_of(kept.begin(), kept.end(),
                                           [&](const Row &k) { return sameRow(k, h); });
            if (wasInG && !stays) {
                const auto at = std::find_if(state.general.begin(), state.general.end(),
                                             [&](const Row &g) { return sameRow(g, h); });
                record.dropped.push_back({static_cast<int>(at - state.general.begin() + 1), h,
                                          DropReason::LessGeneral});
            }
        }
        general = std::move(kept);
    }
    if (next.collapsed) {
        next.general = Rows();
        next.specific.reset();
        next.versionSpace = Rows();
    } else {
        next.general = Rows(std::move(general));
        if (next.specific)
            next.versionSpace = hypothesesBetween(*next.specific, next.general);
    }
    record.collapsed = next.collapsed && !state.collapsed;
    record.specific.to = next.specific.value_or(record.specific.to);
    record.generalAfter = next.general;
    record.versionSpaceAfter = next.versionSpace;
    std::sort(record.dropped.begin(), record.dropped.end(),
              [](const DroppedRow &a, const DroppedRow &b) { return a.position < b.position; });
    record.instance = std::move(instance);
    return step;
}

} // namespace

std::variant<TextbookStep, Refusal> trainTextbook(const TextbookState &state, Row instance,
                                                  bool positive)
{
    if (const std::size_t repeats = state.examples.find(instance))
        return Refusal{Refusal::Kind::Duplicate, repeats, 0, instance};
    if (!positive && !state.specific && !state.collapsed) {
        // Before the first positive example S is the empty hypothesis, and specialising G needs
        // every value an attribute can take: the example waits for the first positive one.
        TextbookStep held{state, {}};
        held.state.held.push_back(instance);
        StepRecord &record = held.record;
        record.positive = false;
        record.held = true;
        record.specific.from = record.specific.to = emptyHypothesis(state.width);
        record.generalBefore = record.generalAfter = state.general;
        record.instance = std::move(instance);
        return held;
    }
    TextbookStep step = learn(state, std::move(instance), positive, true);
    // The first positive example: the negative ones held learnt right after it, in order.
    for (const Row &negative : state.held) {
        TextbookStep learnt = learn(step.state, negative, false, false);
        step.state = std::move(learnt.state);
        learnt.record.held = true;
        step.record.heldLearnt.push_back(std::move(learnt.record));
    }
    return step;
}

Prediction predictTextbook(const TextbookState &state, const Row &x)
{
    if (state.versionSpace.empty()) {
        return {state.collapsed ? Prediction::Answer::NoConsistent
                                : Prediction::Answer::NothingLearnt};
    }
    return voteOf(state.versionSpace, x);
}

const LearntValues::Values &LearntValues::of(const ExampleLog &log)
{
    if (m_log.extends(log)) {
        // Back to an earlier state: the values first learnt after it are forgotten.
        for (std::size_t a = 0; a < m_values.size(); ++a) {
            while (!m_firstLearnt[a].empty() && m_firstLearnt[a].back() > log.size()) {
                m_known[a].erase(m_values[a].back());
                m_values[a].pop_back();
                m_firstLearnt[a].pop_back();
            }
        }
    } else if (!log.extends(m_log)) {
        m_log = ExampleLog();
    }
    if (m_log.empty() && !log.empty()) {
        const std::size_t width = log.at(1).values.size();
        m_values.assign(width, {});
        m_known.assign(width, {});
        m_firstLearnt.assign(width, {});
    }
    for (std::size_t n = m_log.size() + 1; n <= log.size(); ++n) {
        const Row &x = log.at(n).values;
        for (std::size_t a = 0; a < x.size(); ++a) {
            if (m_known[a].insert(x[a]).second) {
                m_values[a].push_back(x[a]);
                m_firstLearnt[a].push_back(n);
            }
        }
    }
    m_log = log;
    return m_values;
}

namespace {

// The attributes S leaves "?" (any value will do), and those at which a value other than S's was
// learnt.
std::pair<unsigned, unsigned> freeAndOther(const Row &s, const LearntValues::Values &values)
{
    unsigned free = 0, other = 0;
    for (std::size_t a = 0; a < s.size(); ++a) {
        free |= s[a] == kAnyValue ? 1u << a : 0u;
        other |= std::any_of(values[a].begin(), values[a].end(),
                             [&](const Value &v) { return !sameValue(v, s[a]); })
                         ? 1u << a
                         : 0u;
    }
    return {free, other};
}

} // namespace

bool canSuggestExample(const TextbookState &state, const LearntValues::Values &values)
{
    // An instance splits the version space when it differs from S only where another value was
    // learnt and some hypotheses hold S's value there while others do not; if any does, so does
    // one that differs from S at a single such attribute (it is accepted by at least as many
    // hypotheses, and rejected by one that holds a value where the other instance differs).
    if (state.versionSpace.size() < 2 || !state.specific)
        return false;
    const auto [free, other] = freeAndOther(*state.specific, values);
    const unsigned asked = other & ~free;
    if (asked == 0)
        return false;
    unsigned held = 0, left = 0; // attributes some hypothesis holds a value at, leaves "?" at
    const Value &any = anyValue();
    for (const Row &h : state.versionSpace) {
        for (std::size_t a = 0; a < h.size(); ++a)
            (h[a] != any ? held : left) |= 1u << a;
        if (held & left & asked)
            return true;
    }
    return false;
}

std::optional<Suggestion> suggestExample(const TextbookState &state,
                                         const LearntValues::Values &values)
{
    if (state.versionSpace.size() < 2 || !state.specific)
        return std::nullopt;
    const Row &s = *state.specific;
    const std::size_t width = s.size();
    // Every hypothesis of the version space holds S's value or "?" at each attribute, so which of
    // them accept an instance depends only on the attributes at which it matches S (its mask): a
    // hypothesis accepts it when the attributes it holds values at lie in the mask.
    // Plain names, not a structured binding: the lambdas below use them.
    const std::pair<unsigned, unsigned> attributes = freeAndOther(s, values);
    const unsigned free = attributes.first, other = attributes.second;
    // How many hypotheses hold values at a subset of each mask's attributes: those that accept
    // the mask's instances.
    std::vector<std::size_t> accepting(std::size_t{1} << width);
    const Value &any = anyValue();
    for (const Row &h : state.versionSpace) {
        unsigned held = 0;
        for (std::size_t a = 0; a < width; ++a)
            held |= h[a] != any ? 1u << a : 0u;
        ++accepting[held];
    }
    for (std::size_t a = 0; a < width; ++a) {
        for (std::size_t mask = 0; mask < accepting.size(); ++mask) {
            if ((mask >> a) & 1u)
                accepting[mask] += accepting[mask ^ (std::size_t{1} << a)];
        }
    }
    const std::size_t voting = state.versionSpace.size();
    const auto uneven = [&](std::size_t n) {
        return n * 2 > voting ? n * 2 - voting : voting - n * 2;
    };
    // The mask that splits the version space most evenly; of equals, the first. A mask has
    // instances when it leaves out S's value only where another value was learnt.
    std::optional<std::pair<std::size_t, unsigned>> best;
    const unsigned all = static_cast<unsigned>(accepting.size() - 1);
    for (unsigned mask = 0; mask <= all; ++mask) {
        const bool made = (mask & free) == 0 && ((mask | free | other) == all);
        const std::size_t n = accepting[mask];
        if (made && n > 0 && n < voting && (!best || uneven(n) < best->first))
            best = {uneven(n), mask};
    }
    if (!best)
        return std::nullopt;
    // Its first instance, of the values learnt in the order they were. No example can be one of
    // the mask's instances: every hypothesis of the version space accepts an example or every one
    // rejects it, while some accept these instances and some do not.
    const unsigned mask = best->second;
    Row x(width);
    for (std::size_t a = 0; a < width; ++a) {
        x[a] = *std::find_if(values[a].begin(), values[a].end(), [&](const Value &v) {
            return (free >> a) & 1u || sameValue(v, s[a]) == (((mask >> a) & 1u) != 0);
        });
    }
    return Suggestion{std::move(x), accepting[mask], voting};
}

} // namespace vspace
