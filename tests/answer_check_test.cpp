#include "answer_check.h"
#include "text_catalog.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace vspace::testing {
namespace {

const std::vector<std::string> kNames{"Sky", "AirTemp", "Humidity", "Wind", "Water", "Forecast"};

// EnjoySport's examples, by their number from 1, and a negative one that every hypothesis
// consistent with the first two accepts.
const std::vector<std::pair<Row, bool>> kExamples{
        {{"Sunny", "Warm", "Normal", "Strong", "Warm", "Same"}, true},
        {{"Sunny", "Warm", "High", "Strong", "Warm", "Same"}, true},
        {{"Rainy", "Cold", "High", "Strong", "Warm", "Change"}, false},
        {{"Sunny", "Warm", "High", "Strong", "Cool", "Change"}, true},
        {{"Sunny", "Warm", "Low", "Strong", "Warm", "Same"}, false},
        {{"Rainy", "Warm", "High", "Strong", "Cool", "Change"}, false},
};

// The exercise of example `next` after the examples `learnt` ("124": 1, 2 and 4), for `learner`.
std::optional<StepExercise> exerciseAfter(std::string_view learnt, std::size_t next, Learner learner)
{
    LearningState program;
    TextbookState textbook;
    for (const char number : learnt) {
        const auto &[x, positive] = kExamples[static_cast<std::size_t>(number - '1')];
        program = std::get<Step>(train(program, x, positive)).state;
        textbook = std::get<TextbookStep>(trainTextbook(textbook, x, positive)).state;
    }
    const auto &[instance, positive] = kExamples[next - 1];
    return stepExercise(program, textbook, learner, instance, positive);
}

const Phrase englishPhrase = [](Text text) { return std::string(english(text)); };
const auto withoutIsolates = [](const std::string &text) {
    return std::regex_replace(text, std::regex("\u2068|\u2069"), "");
};

// An answer as the lists show it: rows separated by ";", and a mark for each, R (right) or W.
struct AnswerCase
{
    const char *name;
    const char *learnt;
    std::size_t next;
    std::string specific, general, specificMarks, generalMarks;
    std::size_t specificMissing, generalMissing;
    std::string mistake;
    bool named = false;
};

std::vector<Row> rowsOf(const std::string &text)
{
    std::vector<Row> rows;
    std::istringstream listed(text);
    for (std::string row, value; std::getline(listed, row, ';');) {
        std::vector<std::string> values;
        for (std::istringstream read(row); std::getline(read, value, ',');)
            values.push_back(value);
        rows.push_back(rowOf(values));
    }
    return rows;
}

std::vector<RowMark> marksOf(const std::string &marks)
{
    std::vector<RowMark> read;
    for (const char mark : marks)
        read.push_back(mark == 'R' ? RowMark::Right : RowMark::Wrong);
    return read;
}

const Row kSunny{"Sunny", "?", "?", "?", "?", "?"};
const Row kS2{"Sunny", "Warm", "?", "Strong", "Warm", "Same"};

class AnswerChecks : public ::testing::TestWithParam<AnswerCase>
{};

TEST_P(AnswerChecks, MarkEachRowAndExplainTheFirstMistake)
{
    const AnswerCase &c = GetParam();
    const std::optional<StepExercise> exercise = exerciseAfter(c.learnt, c.next, Learner::Textbook);
    ASSERT_TRUE(exercise);
    const CheckedAnswer checked = checkAnswer(*exercise, rowsOf(c.specific), rowsOf(c.general),
                                              englishPhrase,
                                              c.named ? kNames : std::vector<std::string>{});
    EXPECT_EQ(checked.specific.marks, marksOf(c.specificMarks));
    EXPECT_EQ(checked.general.marks, marksOf(c.generalMarks));
    EXPECT_EQ(checked.specific.missing, c.specificMissing);
    EXPECT_EQ(checked.general.missing, c.generalMissing);
    EXPECT_EQ(withoutIsolates(checked.mistake), c.mistake);
    EXPECT_EQ(checked.right(), c.mistake.empty());
}

INSTANTIATE_TEST_SUITE_P(
        EnjoySport, AnswerChecks,
        ::testing::Values(
                AnswerCase{"SKeptAsItWas", "", 1, "∅,∅,∅,∅,∅,∅", "?,?,?,?,?,?", "W", "R", 1, 0,
                           "∅,∅,∅,∅,∅,∅ is not the next S. S becomes the example."},
                AnswerCase{
                        "SDropped", "1", 2, "", "?,?,?,?,?,?", "", "R", 1, 0,
                        "S becomes Sunny,Warm,?,Strong,Warm,Same: attribute 3 no longer matters."},
                AnswerCase{"Right", "12", 3, "Sunny,Warm,?,Strong,Warm,Same",
                           "Sunny,?,?,?,?,?;?,Warm,?,?,?,?;?,?,?,?,?,Same", "R", "RRR", 0, 0, ""},
                AnswerCase{"NewRowMissing", "12", 3, "Sunny,Warm,?,Strong,Warm,Same",
                           "Sunny,?,?,?,?,?;?,Warm,?,?,?,?", "R", "RR", 0, 1,
                           "?,?,?,?,?,Same comes from ?,?,?,?,?,?: S's value Same at attribute 6 "
                           "rules out the negative example."},
                AnswerCase{"NewRowMissingNamed", "12", 3, "Sunny,Warm,?,Strong,Warm,Same",
                           "?,Warm,?,?,?,?;Sunny,?,?,?,?,?", "R", "RR", 0, 1,
                           "?,?,?,?,?,Same comes from ?,?,?,?,?,?: S's value Same at Forecast "
                           "rules out the negative example.",
                           true},
                AnswerCase{"AcceptingRowKept", "12", 3, "Sunny,Warm,?,Strong,Warm,Same",
                           "?,?,?,?,?,?;Sunny,?,?,?,?,?", "R", "WR", 0, 2,
                           "?,?,?,?,?,? leaves G: it accepts the negative example."},
                AnswerCase{"RowTwice", "12", 3, "Sunny,Warm,?,Strong,Warm,Same",
                           "Sunny,?,?,?,?,?;?,Warm,?,?,?,?;?,?,?,?,?,Same;Sunny,?,?,?,?,?", "R",
                           "RRRW", 0, 0, "Sunny,?,?,?,?,? is written twice."},
                AnswerCase{"RowAcceptingTheNegative", "12", 3, "Sunny,Warm,?,Strong,Warm,Same",
                           "?,?,?,Strong,?,?", "R", "W", 0, 3,
                           "?,?,?,Strong,?,? cannot be in G: it accepts the negative example."},
                AnswerCase{"RowNoRuleMakes", "12", 3, "Sunny,Warm,?,Strong,Warm,Same",
                           "?,?,Normal,?,?,?", "R", "W", 0, 3,
                           "?,?,Normal,?,?,? is not in the next G: no row of G becomes it on this "
                           "example."},
                AnswerCase{"RejectingRowKept", "123", 4, "Sunny,Warm,?,Strong,?,?",
                           "Sunny,?,?,?,?,?;?,Warm,?,?,?,?;?,?,?,?,?,Same", "R", "RRW", 0, 0,
                           "?,?,?,?,?,Same leaves G: it rejects the positive example."},
                AnswerCase{"KeptRowMissing", "123", 4, "Sunny,Warm,?,Strong,?,?", "Sunny,?,?,?,?,?",
                           "R", "R", 0, 1,
                           "?,Warm,?,?,?,? stays in G: it accepts the positive example."},
                AnswerCase{"RowRejectingThePositive", "123", 4, "Sunny,Warm,?,Strong,?,?",
                           "Sunny,?,?,?,?,?;?,Warm,?,?,?,?;Rainy,?,?,?,?,?", "R", "RRW", 0, 0,
                           "Rainy,?,?,?,?,? cannot be in G: it rejects the positive example."},
                AnswerCase{"CollapseSKept", "12", 5, "Sunny,Warm,?,Strong,Warm,Same", "", "W", "",
                           0, 0,
                           "Sunny,Warm,?,Strong,Warm,Same is not the next S. No hypothesis is "
                           "consistent with the learning data any more: G, S and the version space "
                           "stay empty until Clear."},
                AnswerCase{"RowFromAHeldStepMissing", "3", 1, "Sunny,Warm,Normal,Strong,Warm,Same",
                           "Sunny,?,?,?,?,?", "R", "R", 0, 3,
                           "?,Warm,?,?,?,? comes from ?,?,?,?,?,?: S's value Warm at attribute 2 "
                           "rules out the negative example."},
                AnswerCase{"CollapseRight", "12", 5, "", "", "", "", 0, 0, ""},
                AnswerCase{"CollapseSecondRowKept", "123", 5, "", "?,Warm,?,?,?,?", "", "W", 0, 0,
                           "?,Warm,?,?,?,? leaves G: it accepts the negative example."}),
        [](const auto &info) { return std::string(info.param.name); });

// Nothing to work out: an example refused as a duplicate, or one the textbook learner holds, or
// after it has no hypothesis left; the program's learner's own step, with its own rows.
TEST(StepExercise, OnlyForStepsThatTeach)
{
    EXPECT_FALSE(exerciseAfter("12", 1, Learner::Textbook));
    EXPECT_FALSE(exerciseAfter("", 3, Learner::Textbook));
    LearningState program;
    TextbookState textbook;
    textbook.collapsed = true;
    EXPECT_FALSE(stepExercise(program, textbook, Learner::Textbook, kExamples[0].first, true));
    const std::optional<StepExercise> own = exerciseAfter("12", 3, Learner::Program);
    ASSERT_TRUE(own);
    EXPECT_EQ(own->specificBefore, std::vector<Row>{kS2});
    EXPECT_EQ(own->specificAfter, std::vector<Row>{kS2});
    EXPECT_TRUE(checkAnswer(*own, own->specificAfter, own->generalAfter, englishPhrase).right());
    EXPECT_EQ(withoutIsolates(
                      checkAnswer(*own, own->specificAfter, {kSunny}, englishPhrase).mistake),
              "?,Warm,?,?,?,? comes from Sunny,?,?,?,?,?: S's value Warm at attribute 2 rules out "
              "the negative example.");
    // A row of G that rejects the negative example stays, and is not said to leave.
    const std::optional<StepExercise> kept = exerciseAfter("1234", 6, Learner::Textbook);
    ASSERT_TRUE(kept);
    EXPECT_EQ(withoutIsolates(explainPress(Button::Negative, kept->record, false, englishPhrase)),
              "Negative example Rainy,Warm,High,Strong,Cool,Change. G loses what accepts it: "
              "?,Warm,?,?,?,?. S is unchanged. The version space has 4 rows.");
}

} // namespace
} // namespace vspace::testing
