#include "export_file.h"
#include "test_session.h"

#include <gtest/gtest.h>

#include <optional>

namespace vspace::testing {
namespace {

using Lines = std::vector<std::string>;
using Message = MemoryControls::Message;

const Values kSunny1{"Sunny", "Warm", "Normal", "Strong", "Warm", "Same"};
const Values kSunny2{"Sunny", "Warm", "High", "Strong", "Warm", "Same"};
const Values kRainy{"Rainy", "Cold", "High", "Strong", "Warm", "Change"};
const Values kSunny3{"Sunny", "Warm", "High", "Strong", "Cool", "Change"};
const Values kEmpty{"", "", "", "", "", ""};

Row row(const Values &values) { return values; }

TEST(InitialState, ListsCountersAndButtons)
{
    TestSession s;
    EXPECT_EQ(s.list(ListId::List1), Lines{"?,?,?,?,?,?"});
    EXPECT_EQ(s.list(ListId::List2), Lines{"0,0,0,0,0,0"});
    EXPECT_TRUE(s.list(ListId::List3).empty());
    EXPECT_TRUE(s.list(ListId::List4).empty());
    EXPECT_FALSE(s.controls.enabled(ButtonId::Command2));
    EXPECT_TRUE(s.controls.enabled(ButtonId::Command1));
    const EngineState &st = s.engine.state();
    EXPECT_EQ(st.example_count, 1);
    EXPECT_EQ(st.general_count, 1);
    EXPECT_EQ(st.specific_count, 1);
    EXPECT_EQ(st.space_count, 0);
}

// The four presses of the training-step example: learnt, duplicate, learnt, six empty fields.
TEST(TrainingStep, WorkedExample)
{
    TestSession s;
    s.positive({"Red", "Big", "Oval", "Soft", "Sweet", "Local"});
    EXPECT_EQ(s.list(ListId::List3), Lines{"Red,Big,Oval,Soft,Sweet,Local,+"});
    EXPECT_TRUE(s.controls.enabled(ButtonId::Command2));
    EXPECT_EQ(s.controls.focus(), "Text1(1)");
    EXPECT_EQ(s.controls.fields(FieldArray::Text1), kEmpty);
    EXPECT_TRUE(s.controls.messages().empty());

    const EngineState before = s.engine.state();
    const Lines list1 = s.list(ListId::List1), list2 = s.list(ListId::List2);
    s.negative({"Red", "Big", "Oval", "Soft", "Sweet", "Local"});
    EXPECT_EQ(s.controls.takeMessages(), (std::vector<Message>{{"Data not correct", "Duplicate Data"}}));
    EXPECT_EQ(s.list(ListId::List3).size(), 1u);
    EXPECT_EQ(s.engine.state(), before);
    EXPECT_TRUE(s.engine.state().is_positive);
    EXPECT_EQ(s.list(ListId::List1), list1);
    EXPECT_EQ(s.list(ListId::List2), list2);
    EXPECT_EQ(s.controls.fields(FieldArray::Text1), kEmpty);
    EXPECT_TRUE(s.controls.enabled(ButtonId::Command2));

    s.negative({"Green", "Small", "Oval", "Hard", "Sour", "Local"});
    EXPECT_EQ(s.list(ListId::List3).back(), "Green,Small,Oval,Hard,Sour,Local,-");
    EXPECT_FALSE(s.engine.state().is_positive);
    EXPECT_TRUE(s.controls.enabled(ButtonId::Command2));

    s.positive(kEmpty);
    EXPECT_EQ(s.list(ListId::List3).back(), ",,,,,,+");
    EXPECT_TRUE(s.controls.takeMessages().empty());
    s.negative(kEmpty);
    EXPECT_EQ(s.controls.takeMessages(), (std::vector<Message>{{"Data not correct", "Duplicate Data"}}));
    EXPECT_EQ(s.list(ListId::List3).size(), 3u);
}

struct DuplicateCase
{
    const char *name;
    Values first;
    Values second;
    bool duplicate;
};

class Duplicates : public ::testing::TestWithParam<DuplicateCase>
{};

TEST_P(Duplicates, SecondInstanceAgainstFirst)
{
    const DuplicateCase &c = GetParam();
    for (const bool secondPositive : {true, false}) {
        TestSession s;
        s.positive(c.first);
        if (secondPositive)
            s.positive(c.second);
        else
            s.negative(c.second);
        EXPECT_EQ(s.controls.takeMessages().size(), c.duplicate ? 1u : 0u);
        EXPECT_EQ(s.list(ListId::List3).size(), c.duplicate ? 1u : 2u);
        EXPECT_EQ(s.list(ListId::List3).front().back(), '+');
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Duplicates,
    ::testing::Values(
        DuplicateCase{"same_values", kSunny1, kSunny1, true},
        DuplicateCase{"letter_case", {"Red", "a", "b", "c", "d", "e"}, {"red", "a", "b", "c", "d", "e"}, false},
        DuplicateCase{"empty_fields", kEmpty, kEmpty, true},
        DuplicateCase{"trailing_blank", {"a", "b", "c", "d", "e", "f"}, {"a ", "b", "c", "d", "e", "f"}, false},
        // Joined by commas both read a,b,c,d,e,f,g, yet their values differ.
        DuplicateCase{"comma_inside_value", {"a,b", "c", "d", "e", "f", "g"}, {"a", "b,c", "d", "e", "f", "g"}, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TrainingStep, CommaInsideValueKeepsEntryText)
{
    TestSession s;
    s.positive({"a,b", "c", "d", "e", "f", "g"});
    s.positive({"a", "b,c", "d", "e", "f", "g"});
    EXPECT_EQ(s.list(ListId::List3), (Lines{"a,b,c,d,e,f,g,+", "a,b,c,d,e,f,g,+"}));
    s.positive({"a,b", "c", "d", "e", "f", "g"});
    EXPECT_EQ(s.controls.takeMessages().size(), 1u);
}

// The specific-boundary example: S and example_count after each of four examples.
TEST(SpecificBoundary, WorkedExample)
{
    struct Step
    {
        bool positive;
        Values values;
        int countAfter;
        const char *s;
    };
    const Step steps[] = {
        {true, kSunny1, 2, "Sunny,Warm,Normal,Strong,Warm,Same"},
        {true, kSunny2, 3, "Sunny,Warm,?,Strong,Warm,Same"},
        {false, kRainy, 4, "Sunny,Warm,?,Strong,Warm,Same"},
        {true, {"Sunny", "Warm", "Normal", "Strong", "Cool", "Same"}, 5, "Sunny,Warm,?,Strong,?,Same"},
    };
    TestSession s;
    for (const Step &step : steps) {
        step.positive ? s.positive(step.values) : s.negative(step.values);
        EXPECT_EQ(s.engine.state().example_count, step.countAfter);
        EXPECT_EQ(s.list(ListId::List2), Lines{step.s});
    }
}

struct GeneraliseCase
{
    const char *name;
    Values first;
    Values later;
    const char *s;
};

class Generalise : public ::testing::TestWithParam<GeneraliseCase>
{};

TEST_P(Generalise, SecondPositive)
{
    TestSession s;
    s.positive(GetParam().first);
    EXPECT_EQ(s.list(ListId::List2), Lines{row_text(GetParam().first)});
    s.positive(GetParam().later);
    EXPECT_EQ(s.list(ListId::List2), Lines{GetParam().s});
}

INSTANTIATE_TEST_SUITE_P(
    Values_, Generalise,
    ::testing::Values(
        GeneraliseCase{"zero_kept", {"a", "b", "c", "d", "0", "f"}, {"a", "b", "c", "d", "0", "g"}, "a,b,c,d,0,?"},
        GeneraliseCase{"zero_replaced", {"a", "b", "c", "d", "0", "f"}, {"a", "b", "c", "d", "1", "f"}, "a,b,c,d,?,f"},
        GeneraliseCase{"letter_case", {"Sunny", "b", "c", "d", "e", "f"}, {"sunny", "b", "c", "d", "e", "g"}, "?,b,c,d,e,?"},
        GeneraliseCase{"empty_kept", {"", "b", "c", "d", "e", "f"}, {"", "b", "c", "d", "e", "g"}, ",b,c,d,e,?"},
        GeneraliseCase{"empty_replaced", {"", "b", "c", "d", "e", "f"}, {"x", "b", "c", "d", "e", "f"}, "?,b,c,d,e,f"}),
    [](const auto &info) { return std::string(info.param.name); });

// After the first two EnjoySport examples: S = Sunny,Warm,?,Strong,Warm,Same, G = all "?".
TestSession enjoySportAfterTwo()
{
    TestSession s;
    s.positive(kSunny1);
    s.positive(kSunny2);
    return s;
}

TEST(GeneralBoundary, NegativeExampleAThenB)
{
    TestSession s = enjoySportAfterTwo();
    EngineState &st = s.engine.state();
    st.is_positive = false;
    s.type(kRainy);
    s.engine.check_general();
    EXPECT_EQ(st.general_count, 4);
    EXPECT_EQ(s.list(ListId::List1),
              (Lines{"?,?,?,?,?,?", "Sunny,?,?,?,?,?", "?,Warm,?,?,?,?", "?,?,?,?,?,Same"}));
    s.engine.remove_general();
    EXPECT_EQ(s.list(ListId::List1), (Lines{"Sunny,?,?,?,?,?", "?,Warm,?,?,?,?", "?,?,?,?,?,Same"}));

    s.type({"Sunny", "Warm", "Normal", "Light", "Warm", "Same"});
    s.engine.check_general();
    EXPECT_EQ(st.general_count, 4);
    EXPECT_EQ(s.list(ListId::List1).back(), "?,?,?,Strong,?,Same");
    s.engine.remove_general();
    EXPECT_EQ(s.list(ListId::List1), Lines{"?,?,?,Strong,?,Same"});
}

TEST(GeneralBoundary, PositiveAndRuledInNegativesAddNothing)
{
    TestSession s = enjoySportAfterTwo();
    EngineState &st = s.engine.state();
    for (const Values &x : {kSunny2, Values{"Sunny", "Warm", "Low", "Strong", "Warm", "Same"}}) {
        st.is_positive = false;
        s.type(x); // S accepts it, or it differs only where S holds "?"
        s.engine.check_general();
        EXPECT_EQ(st.general_count, 1);
        EXPECT_EQ(s.list(ListId::List1), Lines{"?,?,?,?,?,?"});
    }
    st.is_positive = true;
    s.type(kRainy);
    s.engine.check_general();
    EXPECT_EQ(st.general_count, 1);
}

TEST(GeneralBoundary, DifferenceAtLastAttributeOnly)
{
    TestSession s = enjoySportAfterTwo();
    s.negative({"Sunny", "Warm", "High", "Strong", "Warm", "Change"});
    EXPECT_EQ(s.list(ListId::List1), Lines{"?,?,?,?,?,Same"});
}

TEST(GeneralBoundary, TailComesFromTheLastRowAndHeadIsAny)
{
    TestSession s;
    s.setBoundaries(row({"Sunny", "Warm", "?", "Strong", "Warm", "Same"}),
                    {row({"Sunny", "?", "?", "?", "?", "Same"})});
    s.engine.state().is_positive = false;
    s.type({"Sunny", "Warm", "High", "Light", "Warm", "Same"});
    s.engine.check_general();
    EXPECT_EQ(s.list(ListId::List1).back(), "?,?,?,Strong,?,Same");
}

TEST(GeneralBoundary, LetterCaseAndZeroQualify)
{
    TestSession s;
    s.positive({"Sunny", "0", "c", "d", "e", "f"});
    s.negative({"sunny", "1", "c", "d", "e", "f"});
    EXPECT_EQ(s.list(ListId::List1), (Lines{"Sunny,?,?,?,?,?", "?,0,?,?,?,?"}));
}

// A working row holding an empty value of S and a "??" carried from G joins to "??????", but
// it is a real specialisation and stays.
TEST(GeneralBoundary, RowWithEmptyValueIsNotTakenForAllAny)
{
    TestSession s;
    s.setBoundaries(row({"A", "", "??", "D", "E", "F"}), {row({"?", "?", "??", "?", "?", "?"})});
    s.controls.setEnabled(ButtonId::Command2, true);
    s.engine.state().example_count = 3;
    s.negative({"A", "B", "??", "D", "E", "F"});
    EXPECT_EQ(s.list(ListId::List1), Lines{"?,,??,?,?,?"});
    EXPECT_EQ(s.engine.state().general_count, 1);
}

// A specialisation equal to a row G already holds is not added a second time.
TEST(GeneralBoundary, HoldsEachHypothesisOnce)
{
    TestSession s;
    for (const Values &x : {kSunny1, kSunny2})
        s.positive(x);
    s.negative(kRainy);
    s.positive(kSunny3);
    EXPECT_EQ(s.list(ListId::List1), (Lines{"Sunny,?,?,?,?,?", "?,Warm,?,?,?,?"}));
    // Differs from S only at attribute 2: its specialisation is ?,Warm,?,?,?,? again.
    s.negative({"Sunny", "Cold", "High", "Strong", "Warm", "Same"});
    EXPECT_EQ(s.list(ListId::List1), Lines{"?,Warm,?,?,?,?"});
    EXPECT_EQ(s.engine.state().general_count, 1);
    EXPECT_EQ(s.list(ListId::List4), (Lines{"Sunny,Warm,?,?,?,?", "?,Warm,?,Strong,?,?"}));
}

struct PruneCase
{
    const char *name;
    bool positive;
    Values instance;
    std::vector<Row> before;
    Lines after;
};

class Pruning : public ::testing::TestWithParam<PruneCase>
{};

TEST_P(Pruning, RemoveGeneral)
{
    const PruneCase &c = GetParam();
    TestSession s;
    s.setBoundaries(row({"Red", "Big", "Oval", "Soft", "Sweet", "Local"}), c.before);
    s.engine.state().is_positive = c.positive;
    s.type(c.instance);
    s.engine.remove_general();
    EXPECT_EQ(s.list(ListId::List1), c.after);
    EXPECT_EQ(s.engine.state().general_count, static_cast<int>(c.after.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Pruning,
    ::testing::Values(
        PruneCase{"positive_example", true, {"Green", "Big", "Oval", "Soft", "Sweet", "Local"},
                  {row({"Red", "?", "?", "?", "?", "?"}), row({"?", "Big", "?", "?", "?", "?"}), row({"?", "?", "?", "?", "?", "Local"})},
                  {"?,Big,?,?,?,?", "?,?,?,?,?,Local"}},
        PruneCase{"negative_adjacent_rows", false, {"Red", "Small", "Oval", "Hard", "Sour", "Local"},
                  {row({"Red", "?", "?", "?", "?", "?"}), row({"?", "?", "Oval", "?", "?", "?"}), row({"?", "Big", "?", "?", "?", "?"})},
                  {"?,Big,?,?,?,?"}},
        PruneCase{"all_any_kept_by_positive", true, {"x", "y", "z", "", "", ""}, {row({"?", "?", "?", "?", "?", "?"})}, {"?,?,?,?,?,?"}},
        PruneCase{"all_any_removed_by_negative", false, {"x", "y", "z", "", "", ""}, {row({"?", "?", "?", "?", "?", "?"})}, {}},
        PruneCase{"last_row_removed", true, {"a", "b", "c", "d", "e", "f"},
                  {row({"a", "?", "?", "?", "?", "?"}), row({"b", "?", "?", "?", "?", "?"})}, {"a,?,?,?,?,?"}},
        PruneCase{"empty_cell_accepts_empty_field", true, {"", "b", "c", "d", "e", "f"},
                  {row({"", "?", "?", "?", "?", "?"}), row({"?", "", "?", "?", "?", "?"})}, {",?,?,?,?,?"}},
        PruneCase{"letter_case", true, {"red", "b", "c", "d", "e", "f"}, {row({"Red", "?", "?", "?", "?", "?"})}, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Pruning, FullTableRemovingFirstRow)
{
    TestSession s;
    std::vector<Row> g;
    for (int i = 1; i <= kTableRows; ++i)
        g.push_back(row({"?", "?", "?", "?", "?", "v" + std::to_string(i)}));
    g[0][0] = "other";
    s.setBoundaries(row({"a", "b", "c", "d", "e", "f"}), g);
    s.engine.state().is_positive = false;
    s.type({"other", "b", "c", "d", "e", "v1"});
    s.engine.remove_general();
    ASSERT_EQ(s.engine.state().general_count, 29);
    for (int i = 2; i <= kTableRows; ++i)
        EXPECT_EQ(s.list(ListId::List1)[static_cast<std::size_t>(i - 2)], "?,?,?,?,?,v" + std::to_string(i));
}

// The version-space example: S = Red,Small,?,Soft,?,? and G = Red,?.. / ?,?,?,Soft,?,?.
TestSession redSmallSpace()
{
    TestSession s;
    s.setBoundaries(row({"Red", "Small", "?", "Soft", "?", "?"}),
                    {row({"Red", "?", "?", "?", "?", "?"}), row({"?", "?", "?", "Soft", "?", "?"})});
    s.engine.union_hy();
    return s;
}

TEST(VersionSpace, WorkedExample)
{
    TestSession s = redSmallSpace();
    EXPECT_EQ(s.list(ListId::List4),
              (Lines{"Red,Small,?,?,?,?", "Red,?,?,Soft,?,?", "?,Small,?,Soft,?,?"}));
    EXPECT_EQ(s.engine.state().space_count, 3);
}

struct SpaceCase
{
    const char *name;
    Values s;
    std::vector<Row> g;
    Lines space;
};

class Enumeration : public ::testing::TestWithParam<SpaceCase>
{};

TEST_P(Enumeration, UnionHy)
{
    TestSession s;
    s.setBoundaries(GetParam().s, GetParam().g);
    s.engine.union_hy();
    EXPECT_EQ(s.list(ListId::List4), GetParam().space);
    if (!GetParam().space.empty()) {
        EXPECT_EQ(s.engine.state().space_count, static_cast<int>(GetParam().space.size()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Enumeration,
    ::testing::Values(
        SpaceCase{"g_equal_to_s", {"Red", "Small", "?", "Soft", "?", "?"}, {row({"Red", "Small", "?", "Soft", "?", "?"})}, {"Red,Small,?,Soft,?,?"}},
        SpaceCase{"equal_rows_mixed_in", {"Red", "Small", "?", "Soft", "?", "?"},
                  {row({"Red", "Small", "?", "Soft", "?", "?"}), row({"Red", "?", "?", "Soft", "?", "?"})}, {"Red,Small,?,Soft,?,?"}},
        SpaceCase{"differs_everywhere", {"a", "b", "c", "d", "e", "f"}, {row({"?", "?", "?", "?", "?", "z"})},
                  {"a,?,?,?,?,z", "?,b,?,?,?,z", "?,?,c,?,?,z", "?,?,?,d,?,z", "?,?,?,?,e,z", "?,?,?,?,?,f"}},
        SpaceCase{"all_any_first_row", {"a", "b", "c", "d", "e", "f"}, {row({"?", "?", "?", "?", "?", "?"})}, {}},
        // Joined without separators both rows read "??????"; value by value they are not all "?".
        SpaceCase{"question_marks_and_empty", {"a", "?", "?", "?", "?", "b"}, {row({"??", "?", "?", "?", "?", ""})},
                  {"a,?,?,?,?,", "??,?,?,?,?,b"}},
        // Equal in attributes 1-4, "?" and empty swapped at 5 and 6: two rows, not one.
        SpaceCase{"swapped_any_and_empty", {"A", "B", "C", "D", "", ""}, {row({"A", "B", "C", "D", "?", "?"})},
                  {"A,B,C,D,,?", "A,B,C,D,?,"}},
        SpaceCase{"empty_general_boundary", {"a", "b", "c", "d", "e", "f"}, {}, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(VersionSpace, AllAnyStopKeepsPreviousTable)
{
    TestSession s = redSmallSpace();
    s.setBoundaries(row({"Red", "Small", "?", "Soft", "?", "?"}), {row({"?", "?", "?", "?", "?", "?"})});
    s.engine.union_hy();
    EXPECT_TRUE(s.list(ListId::List4).empty());
    EXPECT_EQ(s.engine.state().space_count, 3);
    s.predict({"Red", "Small", "x", "Soft", "y", "z"});
    EXPECT_EQ(s.controls.takeMessages(),
              (std::vector<Message>{{"Cannot Predict", "Please input Data to Learning Before Predicting Unseen Data"}}));
}

struct PredictCase
{
    Values unseen;
    const char *message;
};

class Prediction : public ::testing::TestWithParam<PredictCase>
{};

TEST_P(Prediction, WorkedExample)
{
    TestSession s = redSmallSpace();
    s.predict(GetParam().unseen);
    EXPECT_EQ(s.controls.takeMessages(), (std::vector<Message>{{"Result", GetParam().message}}));
    EXPECT_EQ(s.controls.focus(), "Text2(1)");
    EXPECT_EQ(s.controls.fields(FieldArray::Text2), GetParam().unseen);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Prediction,
    ::testing::Values(
        PredictCase{{"Red", "Small", "Long", "Soft", "Heavy", "Local"}, "Your Data is Positive , Result is +"},
        PredictCase{{"Green", "Large", "Oval", "Hard", "Light", "Local"}, "Your Data is Negative ,Result is -"},
        PredictCase{{"Red", "Large", "Oval", "Soft", "Light", "Local"}, "I can't Predict It ,Result is 0"},
        PredictCase{{"red", "Small", "Long", "Soft", "Heavy", "Local"}, "I can't Predict It ,Result is 0"},
        PredictCase{{"Red ", "Small", "Long", "Soft", "Heavy", "Local"}, "I can't Predict It ,Result is 0"}));

TEST(Prediction, SingleRowNeverUndecided)
{
    TestSession s;
    s.setBoundaries(row({"0", "", "c", "d", "e", "f"}), {row({"0", "", "c", "d", "e", "f"})});
    s.engine.union_hy();
    s.predict({"0", "", "c", "d", "e", "f"});
    s.predict({"0", "x", "c", "d", "e", "f"});
    EXPECT_EQ(s.controls.takeMessages(),
              (std::vector<Message>{{"Result", "Your Data is Positive , Result is +"},
                                    {"Result", "Your Data is Negative ,Result is -"}}));
}

TEST(Prediction, RefusedWithoutVersionSpace)
{
    const Message nothing{"Cannot Predict", "Please input Data to Learning Before Predicting Unseen Data"};
    TestSession s;
    s.predict(kSunny1);
    s.positive(kSunny1);
    s.predict(kSunny1);
    EXPECT_EQ(s.controls.takeMessages(), (std::vector<Message>{nothing, nothing}));
    EXPECT_EQ(s.controls.focus(), "Text2(1)");
    EXPECT_EQ(s.controls.fields(FieldArray::Text2), kSunny1);
}

// A negative example that every G row accepts and S does not rule out leaves G empty: no
// hypothesis is consistent, and the version space is empty rather than stale.
TEST(EmptyGeneralBoundary, EmptyVersionSpaceAndItsOwnMessage)
{
    TestSession s = enjoySportAfterTwo();
    s.negative(kRainy);
    ASSERT_FALSE(s.list(ListId::List4).empty());
    // Every G row holds values of S, and S does not rule this one out: G loses every row.
    s.negative({"Sunny", "Warm", "Low", "Strong", "Warm", "Same"});
    EXPECT_EQ(s.engine.state().general_count, 0);
    EXPECT_TRUE(s.list(ListId::List1).empty());
    EXPECT_TRUE(s.list(ListId::List4).empty());
    s.predict(kSunny1);
    EXPECT_EQ(s.controls.takeMessages(),
              (std::vector<Message>{{"Cannot Predict", "No hypothesis is consistent with the learning data"}}));

    // A new row made at an attribute below 6 has "?" after its own attribute.
    s.negative({"Sunny", "Cold", "High", "Strong", "Warm", "Same"});
    EXPECT_EQ(s.list(ListId::List1), Lines{"?,Warm,?,?,?,?"});
}

TEST(ClearAndExit, ClearRestoresInitialStateOnceOrTwice)
{
    TestSession s = enjoySportAfterTwo();
    s.negative(kRainy);
    s.predict(kSunny3);
    s.type(kSunny3);
    for (int press = 0; press < 2; ++press) {
        s.engine.Command6_Click();
        EXPECT_EQ(s.list(ListId::List1), Lines{"?,?,?,?,?,?"});
        EXPECT_EQ(s.list(ListId::List2), Lines{"0,0,0,0,0,0"});
        EXPECT_TRUE(s.list(ListId::List3).empty());
        EXPECT_TRUE(s.list(ListId::List4).empty());
        EXPECT_EQ(s.controls.fields(FieldArray::Text1), kEmpty);
        EXPECT_EQ(s.controls.fields(FieldArray::Text2), kEmpty);
        EXPECT_FALSE(s.controls.enabled(ButtonId::Command2));
        EXPECT_EQ(s.engine.state().example_count, 1);
        EXPECT_EQ(s.engine.state().general_count, 1);
    }
    s.controls.takeMessages();
    s.predict(kSunny1);
    EXPECT_EQ(s.controls.takeMessages().at(0).text, "Please input Data to Learning Before Predicting Unseen Data");
    s.positive(kSunny1); // learnt before the clear, no duplicate now
    EXPECT_TRUE(s.controls.takeMessages().empty());
    EXPECT_EQ(s.list(ListId::List3), Lines{"Sunny,Warm,Normal,Strong,Warm,Same,+"});
}

TEST(ClearAndExit, ExitUnloadsTheWindow)
{
    TestSession s = enjoySportAfterTwo();
    s.engine.Command5_Click();
    EXPECT_TRUE(s.controls.unloaded());
}

struct KeyCase
{
    FieldArray array;
    std::int16_t index;
    std::int16_t key;
    std::string nextText;
    std::string focus;
    MemoryControls::Selection selection;
};

class KeyPress : public ::testing::TestWithParam<KeyCase>
{};

TEST_P(KeyPress, MovesFocusAndSelects)
{
    const KeyCase &c = GetParam();
    TestSession s;
    s.controls.setFocus(c.array, c.index);
    if (c.index < 6)
        s.controls.setText(c.array, c.index + 1, c.nextText);
    std::int16_t key = c.key;
    if (c.array == FieldArray::Text1)
        s.engine.Text1_KeyPress(c.index, key);
    else
        s.engine.Text2_KeyPress(c.index, key);
    EXPECT_EQ(key, c.key);
    EXPECT_EQ(s.controls.focus(), c.focus);
    if (c.index < 6) {
        EXPECT_EQ(s.controls.selection(c.array, c.index + 1), c.selection);
    }
    EXPECT_TRUE(s.list(ListId::List3).empty());
    EXPECT_TRUE(s.controls.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyPress,
    ::testing::Values(KeyCase{FieldArray::Text1, 2, 13, "xyz", "Text1(3)", {0, 3}},
                      KeyCase{FieldArray::Text1, 3, 13, "", "Text1(4)", {0, 0}},
                      KeyCase{FieldArray::Text1, 6, 13, "", "Command1", {}},
                      KeyCase{FieldArray::Text1, 1, 'a', "abc", "Text1(1)", {0, 0}},
                      KeyCase{FieldArray::Text2, 3, 13, "High", "Text2(4)", {0, 4}},
                      KeyCase{FieldArray::Text2, 6, 13, "", "Command3", {}},
                      // Selection lengths count UTF-16 units: é is one, the emoji two.
                      KeyCase{FieldArray::Text2, 1, 13, "\xC3\xA9\xF0\x9F\x98\x80", "Text2(2)", {0, 3}}));

class FakeFile : public ExportFile
{
public:
    std::string written;
    std::string path() const override { return "/home/user/Desktop/hypothesis.txt"; }
    std::optional<std::string> replace(std::string_view bytes) override
    {
        written = bytes;
        return std::nullopt;
    }
};

TEST(Export, BytesOfWorkedExample)
{
    TestSession s = redSmallSpace();
    FakeFile file;
    s.engine.Command4_Click(file);
    EXPECT_EQ(file.written, "\"Red,Small,?,?,?,?\"\r\n\"Red,?,?,Soft,?,?\"\r\n\"?,Small,?,Soft,?,?\"\r\n");
    EXPECT_EQ(file.written.size(), 63u);
    EXPECT_EQ(s.controls.takeMessages(),
              (std::vector<Message>{{"Text File", "Your TextFile Generate in Desktop is Hypothesis.txt"}}));
}

} // namespace
} // namespace vspace::testing
