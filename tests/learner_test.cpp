// The program's learner alone: its departures from the textbook, kept on purpose; what a step
// records; refusals; the vote.

#include "comparison.h"
#include "learner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace vspace::testing {
namespace {

std::vector<std::string> texts(const Rows &rows)
{
    std::vector<std::string> all;
    for (const Row &row : rows)
        all.push_back(rowText(row));
    return all;
}

Row row(const std::string &values)
{
    Row x;
    std::istringstream words(values);
    for (Value &value : x) {
        std::string word;
        words >> word;
        value = word;
    }
    return x;
}

// Examples as "Sunny Warm Normal Strong Warm Same +", learnt one after another from `state`.
LearningState learnt(const std::vector<std::string> &examples, LearningState state = {})
{
    for (const std::string &example : examples)
        state = std::get<Step>(train(state, row(example), example.ends_with('+'))).state;
    return state;
}

const std::vector<std::string> kEnjoySport{"Sunny Warm Normal Strong Warm Same +",
                                           "Sunny Warm High Strong Warm Same +",
                                           "Rainy Cold High Strong Warm Change -",
                                           "Sunny Warm High Strong Cool Change +"};

struct Departure
{
    const char *name;
    std::vector<std::string> examples, g, space;
};

class ProgramsLearner : public ::testing::TestWithParam<Departure>
{};

// What the program's learner does on purpose where the textbook's candidate elimination does
// otherwise: new G rows hold "?" before their attribute and take their tails from the row before
// them; G keeps a row less general than another; the version space is the rows one step from each
// G row towards S, none while G's first row is all "?"; a G row equal to S stands for itself.
TEST_P(ProgramsLearner, DepartsFromTheTextbookOnPurpose)
{
    const LearningState state = learnt(GetParam().examples);
    EXPECT_EQ(texts(state.general), GetParam().g);
    EXPECT_EQ(texts(state.versionSpace), GetParam().space);
}

INSTANTIATE_TEST_SUITE_P(
        Sessions, ProgramsLearner,
        ::testing::Values(
                Departure{"tails_from_the_row_before",
                          {kEnjoySport[0], kEnjoySport[1], kEnjoySport[2],
                           "Sunny Warm Normal Light Warm Same -"},
                          {"?,?,?,Strong,?,Same"},
                          {"Sunny,?,?,Strong,?,Same", "?,Warm,?,Strong,?,Same",
                           "?,?,?,Strong,Warm,Same"}},
                Departure{"keeps_a_less_general_row",
                          {"a c e g i k +", "b d e h j l -", "b d e g j k +", "b c f g i l -"},
                          {"?,?,?,?,?,k", "?,?,e,?,?,k"},
                          {"?,?,e,?,?,k", "?,?,?,g,?,k", "?,?,e,g,?,k"}},
                Departure{"one_step_towards_s",
                          {"Red Small A Soft B C +", "Red Small D Soft E F +",
                           "Green Small X Hard Y Z -"},
                          {"Red,?,?,?,?,?", "?,?,?,Soft,?,?"},
                          {"Red,Small,?,?,?,?", "Red,?,?,Soft,?,?", "?,Small,?,Soft,?,?"}},
                Departure{"none_while_g_is_all_any", {"a b c d e f +"}, {"?,?,?,?,?,?"}, {}},
                Departure{"g_equal_to_s",
                          {"a b c d e f +", "a b c d e x -", "a b c d x f -", "a b c x e f -",
                           "a b x d e f -", "a x c d e f -", "x b c d e f -"},
                          {"a,b,c,d,e,f"},
                          {"a,b,c,d,e,f"}}),
        [](const auto &info) { return std::string(info.param.name); });

// A step says what changed and why: the rows G dropped and made (with the attribute, S's value
// and where each tail came from), how S moved, the version space before and after; the state it
// came from stays as it was.
TEST(ProgramsLearner, RecordsWhatAStepChangedAndWhy)
{
    const LearningState two = learnt({kEnjoySport[0], kEnjoySport[1]});
    const Step negative = std::get<Step>(train(two, row(kEnjoySport[2]), false));
    const StepRecord &n = negative.record;
    EXPECT_EQ(std::tuple(n.exampleNumber, n.dropped[0].reason, n.dropped.size(),
                         n.dropped[0].position),
              std::tuple(std::size_t{3}, DropReason::AcceptsNegative, std::size_t{1}, 1));
    ASSERT_EQ(n.made.size(), 3u);
    EXPECT_EQ(std::tuple(n.made[0].attribute, n.made[0].value, n.made[0].source,
                         n.made[2].attribute, n.made[2].source, rowText(n.made[2].row)),
              std::tuple(1, "Sunny", 1, 6, -1, "?,?,?,?,?,Same"));
    EXPECT_TRUE(n.specific.generalised.empty() && !n.specific.replaced);
    EXPECT_EQ(n.versionSpaceBefore.size() * 100 + n.versionSpaceAfter.size(), 9u);
    EXPECT_EQ(texts(two.general), std::vector<std::string>{"?,?,?,?,?,?"});

    const Step positive = std::get<Step>(train(negative.state, row(kEnjoySport[3]), true));
    const StepRecord &p = positive.record;
    EXPECT_EQ(std::tuple(p.dropped[0].reason, p.dropped.size(), p.dropped[0].position,
                         p.specific.generalised, rowText(p.specific.to)),
              std::tuple(DropReason::RejectsPositive, 1u, 3, std::vector<int>{5, 6},
                         "Sunny,Warm,?,Strong,?,?"));
    EXPECT_TRUE(std::get<Step>(train({}, row("a b c d e f"), true)).record.specific.replaced);
}

// A refusal says why and leaves the state as it was: the example it repeats, the rows a limit
// would need.
TEST(ProgramsLearner, RefusesSayingWhy)
{
    const LearningState two = learnt({kEnjoySport[0], kEnjoySport[1]});
    const auto refusal = [&](const LearningState &state, const std::string &x, bool positive) {
        const Refusal refused = std::get<Refusal>(train(state, row(x), positive));
        return std::tuple(refused.kind, refused.repeats, refused.rowsNeeded);
    };
    EXPECT_EQ(refusal(two, "Sunny Warm High Strong Warm Same", false),
              std::tuple(Refusal::Kind::Duplicate, 2u, 0u));
    LearningState full = two;
    full.exampleCount = kMaxExamples + 1;
    EXPECT_EQ(refusal(full, "x y z w v u", true), std::tuple(Refusal::Kind::ExampleLimit, 0u, 0u));
    // G the 27 rows holding three, five or six of the values a to f: after the example a..f, S is
    // all "?" and the rows one step from them towards it are 15 + 15 + 6.
    LearningState wide;
    wide.exampleCount = 2;
    std::vector<Row> g;
    for (unsigned mask = 0; mask < 64; ++mask) {
        if (const int values = __builtin_popcount(mask); values == 3 || values >= 5) {
            Row r = mostGeneralRow(kAttributeCount);
            for (std::size_t a = 0; a < 6; ++a)
                r[a] = (mask >> a) & 1 ? std::string(1, static_cast<char>('a' + a)) : "?";
            g.push_back(r);
        }
    }
    wide.general = Rows(g);
    EXPECT_EQ(refusal(wide, "a b c d e f", true),
              std::tuple(Refusal::Kind::VersionSpaceLimit, 0u, 36u));
}

// Only a unanimous version space answers; with its counts.
TEST(ProgramsLearner, PredictsByTheVersionSpacesVote)
{
    const LearningState enjoySport = learnt(kEnjoySport);
    const auto vote = [](const LearningState &state, const std::string &x) {
        const Prediction p = predict(state, row(x));
        return std::tuple(p.answer, p.accepting, p.voting);
    };
    using A = Prediction::Answer;
    EXPECT_EQ(vote(enjoySport, "Sunny Warm Normal Strong Cool Change"),
              std::tuple(A::Positive, 3u, 3u));
    EXPECT_EQ(vote(enjoySport, "Sunny Warm Normal Light Warm Same"),
              std::tuple(A::Undecided, 1u, 3u));
    // Sunny,?,?,?,?,? of G accepts it; the version space's rows do not.
    EXPECT_EQ(vote(enjoySport, "Sunny Cold Normal Light Warm Same"),
              std::tuple(A::Negative, 0u, 3u));
    EXPECT_EQ(vote({}, "a b c d e f"), std::tuple(A::NothingLearnt, 0u, 0u));
    const LearningState none = learnt({"Sunny Warm Low Strong Warm Same -"},
                                      learnt({kEnjoySport[0], kEnjoySport[1], kEnjoySport[2]}));
    EXPECT_EQ(vote(none, "a b c d e f"), std::tuple(A::NoConsistent, 0u, 0u));
}

// Where the learners differ, from states made by hand: version spaces long enough to be compared
// by hash, one row apart; and a row of the program's G that holds S's value where it holds one,
// yet accepts the negative example learnt.
TEST(LearnerComparison, LongListsAndANegativeAccepted)
{
    const Row s{"a", "b", "c", "d", "e", "f", "g", "h"},
            negative{"a", "x", "c", "d", "e", "f", "g", "h"};
    LearningState program(8);
    TextbookState textbook(8);
    program.examples = textbook.examples = ExampleLog().with(s, true).with(negative, false);
    program.specific = s;
    textbook.specific = s;
    Row accepting(8);
    for (std::size_t a = 0; a < 8; ++a)
        accepting[a] = a == 0 ? "a" : "?";
    program.general = Rows(std::vector<Row>{accepting});
    // Between S and the row that holds "b" alone: each rejects the negative example.
    std::vector<Row> space;
    for (unsigned mask = 0; mask < 71; ++mask) {
        Row row = s;
        for (std::size_t a = 0, bit = 0; a < 8; ++a)
            row[a] = a != 1 && (mask >> bit++) & 1 ? Value("?") : s[a];
        space.push_back(row);
    }
    textbook.versionSpace = Rows(space);
    space.pop_back();
    program.versionSpace = Rows(space);
    const LearnerDifference difference = LearnerComparison().compare(program, textbook);
    EXPECT_EQ(difference.spaceTextbookOnly.count, 1u);
    EXPECT_EQ(difference.spaceProgramOnly.count, 0u);
    ASSERT_EQ(difference.contradictions.size(), 1u);
    EXPECT_EQ(difference.contradictions[0].row, accepting);
    EXPECT_EQ(difference.contradictions[0].example, 2u);
}

} // namespace
} // namespace vspace::testing
