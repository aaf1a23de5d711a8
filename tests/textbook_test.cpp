// The textbook learner: against a brute-force model of candidate elimination on random sessions,
// and the textbook's EnjoySport trace.

#include "comparison.h"
#include "textbook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace vspace::testing {
namespace {

std::set<std::string> texts(const Rows &rows)
{
    std::set<std::string> all;
    for (const Row &row : rows)
        all.insert(rowText(row));
    return all;
}

// h1 is more general than or equal to h2: it accepts h2 as if it were an instance.
bool atLeastAsGeneral(const Row &h1, const Row &h2)
{
    return accepts(h1, h2);
}

// Every conjunction of the values learnt and "?" consistent with the examples; its maximally
// general and maximally specific members.
struct Model
{
    std::vector<Row> consistent;
    std::set<std::string> g, s, all;

    explicit Model(const std::vector<std::pair<Row, bool>> &examples)
    {
        const std::size_t width = examples[0].first.size();
        std::vector<std::set<std::string>> values(width, {"?"});
        for (const auto &[x, positive] : examples)
            for (std::size_t a = 0; a < width; ++a)
                values[a].insert(x[a].str());
        Row h(width);
        const auto each = [&](auto &self, std::size_t a) -> void {
            if (a == width) {
                if (std::all_of(examples.begin(), examples.end(),
                                [&](const auto &e) { return accepts(h, e.first) == e.second; }))
                    consistent.push_back(h);
                return;
            }
            for (const std::string &v : values[a])
                h[a] = v, self(self, a + 1);
        };
        each(each, 0);
        for (const Row &c : consistent) {
            all.insert(rowText(c));
            const auto strictly = [&](const Row &o, bool above) {
                return !sameRow(o, c) && (above ? atLeastAsGeneral(o, c) : atLeastAsGeneral(c, o));
            };
            if (std::none_of(consistent.begin(), consistent.end(),
                             [&](const Row &o) { return strictly(o, true); }))
                g.insert(rowText(c));
            if (std::none_of(consistent.begin(), consistent.end(),
                             [&](const Row &o) { return strictly(o, false); }))
                s.insert(rowText(c));
        }
    }
};

// 600 sessions of 3 to 10 examples of 1 to 8 attributes, one in three with up to two negative
// examples held before the first positive, over 2 to 4 values an attribute (2 beyond six; "?" and
// the empty value among them), labelled by a hidden conjunctive concept or at random: after each
// example, S, G, the version space, the vote on random instances and a suggestion's are the
// model's; the values learnt, kept from state to state (and back to an earlier one), are those of
// the state; the program's rows that contradict an example name the first.
TEST(TextbookLearner, AgreesWithEveryConsistentConjunction)
{
    const std::vector<std::string> pool{"a", "b", "?", "", "c"};
    LearntValues values;
    for (unsigned seed = 0; seed < 600; ++seed) {
        std::mt19937 random(seed);
        const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
        const std::size_t width = 1 + seed % 8, kinds = width > 6 ? 2 : 2 + pick(3);
        Row hidden(width);
        for (Value &v : hidden)
            v = pick(2) ? "?" : pool[pick(kinds)];
        TextbookState state(width);
        LearningState program(width);
        LearnerComparison comparison;
        std::vector<ExampleLog> logs;
        std::vector<std::pair<Row, bool>> examples;
        const std::size_t held = seed % 3 == 1 ? pick(3) : 0;
        for (std::size_t n = 0, length = held + 3 + pick(8); n < length; ++n) {
            Row x(width);
            for (Value &v : x)
                v = pool[pick(kinds)];
            const bool positive = n == held
                                  || (n > held && (seed % 2 ? pick(2) == 0 : accepts(hidden, x)));
            auto step = trainTextbook(state, x, positive);
            // The program's learner ignores the negative examples before the first positive.
            auto programStep = n < held ? std::variant<Step, Refusal>(Step{program, {}})
                                        : train(program, x, positive);
            if (std::holds_alternative<Refusal>(step)
                || std::holds_alternative<Refusal>(programStep))
                continue; // a duplicate, or beyond the program's learner's limits
            state = std::get<TextbookStep>(step).state;
            program = std::get<Step>(programStep).state;
            examples.emplace_back(x, positive);
            if (n < held) {
                ASSERT_TRUE(std::get<TextbookStep>(step).record.held && !state.specific);
                ASSERT_EQ(texts(state.general),
                          std::set<std::string>{rowText(mostGeneralRow(width))});
                continue;
            }
            const Model model(examples);
            logs.push_back(state.examples);
            const ExampleLog &earlier = logs[pick(logs.size())];
            EXPECT_EQ(values.of(earlier), LearntValues().of(earlier)) << "seed " << seed;
            const LearnerDifference difference = comparison.compare(program, state);
            std::vector<std::pair<std::string, std::size_t>> found, contradictions;
            for (const auto &[row, example] : difference.contradictions)
                found.emplace_back(rowText(row), example);
            for (const Rows *rows : {&program.general, &program.versionSpace}) {
                for (const Row &h : *rows) {
                    std::size_t first = 0; // the first positive rejected, else negative accepted
                    for (int pass = 0; pass < 2 && !first; ++pass)
                        for (std::size_t e = held; e < examples.size() && !first; ++e)
                            first = examples[e].second == !pass
                                                    && accepts(h, examples[e].first) == pass
                                            ? e + 1 - held
                                            : 0;
                    if (first
                        && std::ranges::count(contradictions, std::pair(rowText(h), first)) == 0)
                        contradictions.emplace_back(rowText(h), first);
                }
            }
            EXPECT_EQ(found, contradictions) << "seed " << seed;
            EXPECT_EQ(difference.textbookCollapsed, state.collapsed && !program.general.empty());
            ASSERT_EQ(state.collapsed, model.consistent.empty()) << "seed " << seed;
            if (state.collapsed)
                continue;
            EXPECT_EQ(texts(state.general), model.g) << "seed " << seed;
            EXPECT_EQ(texts(state.specificRows()), model.s) << "seed " << seed;
            EXPECT_EQ(texts(state.versionSpace), model.all) << "seed " << seed;
            for (int i = 0; i < 4; ++i) {
                for (Value &v : x)
                    v = pool[pick(kinds)];
                const std::size_t accepting = static_cast<std::size_t>(
                        std::count_if(model.consistent.begin(), model.consistent.end(),
                                      [&](const Row &h) { return accepts(h, x); }));
                const Prediction vote = predictTextbook(state, x);
                EXPECT_EQ(std::pair(vote.accepting, vote.voting),
                          std::pair(accepting, model.consistent.size()));
            }
            const std::optional<Suggestion> next = suggestExample(state, values.of(state.examples));
            EXPECT_EQ(canSuggestExample(state, values.of(state.examples)), next.has_value());
            // A suggestion's votes, counted as the model counts them.
            EXPECT_EQ(next ? next->accepting : 0,
                      std::ranges::count_if(model.consistent, [&](const Row &h) {
                          return next && accepts(h, next->instance);
                      }));
            // And no instance of the values learnt, not learnt itself, splits the votes more evenly.
            const auto uneven = [&](std::size_t accepting) {
                return std::max(accepting * 2, model.consistent.size())
                       - std::min(accepting * 2, model.consistent.size());
            };
            std::optional<std::size_t> best;
            const LearntValues::Values &learnt = values.of(state.examples);
            std::vector<std::size_t> at(width);
            for (std::size_t a = 0; a < width;) {
                for (a = 0; a < width; ++a)
                    x[a] = learnt[a][at[a]];
                const auto accepting = static_cast<std::size_t>(
                        std::ranges::count_if(model.consistent,
                                              [&](const Row &h) { return accepts(h, x); }));
                if (!state.examples.find(x) && accepting > 0 && accepting < model.consistent.size())
                    best = std::min(best.value_or(SIZE_MAX), uneven(accepting));
                for (a = 0; a < width && ++at[a] == learnt[a].size(); ++a)
                    at[a] = 0;
            }
            EXPECT_EQ(next ? std::optional(uneven(next->accepting)) : std::nullopt, best)
                    << "seed " << seed;
        }
    }
}

// The textbook's EnjoySport trace: S and G after each example, and the version space in order,
// more "?" first and values further left first.
TEST(TextbookLearner, EnjoySportTrace)
{
    const std::vector<std::tuple<Row, bool, const char *, std::set<std::string>>>
            trace{{{"Sunny", "Warm", "Normal", "Strong", "Warm", "Same"},
                   true,
                   "Sunny,Warm,Normal,Strong,Warm,Same",
                   {"?,?,?,?,?,?"}},
                  {{"Sunny", "Warm", "High", "Strong", "Warm", "Same"},
                   true,
                   "Sunny,Warm,?,Strong,Warm,Same",
                   {"?,?,?,?,?,?"}},
                  {{"Rainy", "Cold", "High", "Strong", "Warm", "Change"},
                   false,
                   "Sunny,Warm,?,Strong,Warm,Same",
                   {"Sunny,?,?,?,?,?", "?,Warm,?,?,?,?", "?,?,?,?,?,Same"}},
                  {{"Sunny", "Warm", "High", "Strong", "Cool", "Change"},
                   true,
                   "Sunny,Warm,?,Strong,?,?",
                   {"Sunny,?,?,?,?,?", "?,Warm,?,?,?,?"}}};
    TextbookState state;
    EXPECT_EQ(texts(state.specificRows()), std::set<std::string>{"∅,∅,∅,∅,∅,∅"});
    for (const auto &[x, positive, s, g] : trace) {
        state = std::get<TextbookStep>(trainTextbook(state, x, positive)).state;
        EXPECT_EQ(rowText(*state.specific), s);
        EXPECT_EQ(texts(state.general), g);
    }
    std::vector<std::string> order;
    for (const Row &h : state.versionSpace)
        order.push_back(rowText(h));
    EXPECT_EQ(order, (std::vector<std::string>{"Sunny,?,?,?,?,?", "?,Warm,?,?,?,?",
                                               "Sunny,Warm,?,?,?,?", "Sunny,?,?,Strong,?,?",
                                               "?,Warm,?,Strong,?,?", "Sunny,Warm,?,Strong,?,?"}));
    // Every example was Strong: the most even split the values learnt allow is 2 of 6.
    LearntValues values;
    const std::optional<Suggestion> next = suggestExample(state, values.of(state.examples));
    ASSERT_TRUE(next);
    EXPECT_EQ(rowText(next->instance) + " " + std::to_string(next->accepting),
              "Sunny,Cold,Normal,Strong,Warm,Same 2");
    EXPECT_FALSE(state.examples.find(next->instance));
}

} // namespace
} // namespace vspace::testing
