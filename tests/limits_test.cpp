#include "test_session.h"

#include <gtest/gtest.h>

namespace vspace::testing {
namespace {

using Lines = std::vector<std::string>;

const Row kS{"A", "B", "C", "D", "E", "F"};

// Everything a refused press must leave as it was.
struct Snapshot
{
    EngineState state;
    std::array<Lines, 4> lists;
    std::array<std::string, 6> text1;
    bool negativeEnabled;

    explicit Snapshot(const TestSession &s)
        : state(s.engine.state())
        , lists{s.list(ListId::List1), s.list(ListId::List2), s.list(ListId::List3), s.list(ListId::List4)}
        , text1(s.controls.fields(FieldArray::Text1))
        , negativeEnabled(s.controls.enabled(ButtonId::Command2))
    {}
    bool operator==(const Snapshot &) const = default;
};

void expectRefused(TestSession &s, bool positive, const Values &x, const std::string &why)
{
    s.type(x);
    const Snapshot before(s);
    positive ? s.engine.Command1_Click() : s.engine.Command2_Click();
    const std::vector<MemoryControls::Message> messages = s.controls.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Cannot Learn");
    EXPECT_NE(messages[0].text.find(why), std::string::npos) << messages[0].text;
    EXPECT_TRUE(Snapshot(s) == before) << "a refused press changed the state";
    EXPECT_EQ(s.controls.fields(FieldArray::Text1), x) << "the typed values were lost";
}

TestSession twentyNineRows()
{
    TestSession s;
    s.setBoundaries(kS, twenty_nine_rows(kS));
    s.engine.state().example_count = 10;
    s.controls.setEnabled(ButtonId::Command2, true);
    s.engine.union_hy();
    return s;
}

TEST(Limits, GeneralBoundaryReachesThirtyRowsThenRefuses)
{
    TestSession s = twentyNineRows();
    ASSERT_EQ(s.engine.state().general_count, 29);
    s.negative({"z", "z", "z", "z", "z", "F"});
    EXPECT_TRUE(s.controls.takeMessages().empty());
    EXPECT_EQ(s.engine.state().general_count, 30);
    EXPECT_EQ(s.list(ListId::List1).size(), 30u);
    EXPECT_LE(s.engine.state().space_count, 30);

    expectRefused(s, false, {"A", "B", "C", "D", "E", "y"}, "General boundary");
    expectRefused(s, false, {"y", "y", "y", "y", "y", "y"}, "General boundary");
}

// A session drawn from four values per attribute whose version space grows to 30 rows.
TEST(Limits, VersionSpaceReachesThirtyRowsThenRefuses)
{
    TestSession s;
    s.positive({"a", "a", "a", "a", "c", "c"});
    const Values negatives[] = {{"d", "a", "a", "d", "a", "b"}, {"c", "a", "b", "a", "c", "b"},
                                {"c", "b", "d", "a", "a", "b"}, {"d", "a", "c", "b", "c", "b"},
                                {"b", "d", "d", "c", "d", "d"}};
    for (const Values &x : negatives)
        s.negative(x);
    ASSERT_TRUE(s.controls.takeMessages().empty());
    EXPECT_EQ(s.list(ListId::List4).size(), 30u);
    EXPECT_EQ(s.engine.state().space_count, 30);

    expectRefused(s, false, {"d", "d", "c", "c", "d", "b"}, "Version Space");
    // A duplicate is still told apart from a refusal, and a learnable example still learns.
    s.negative({"b", "d", "d", "c", "d", "d"});
    EXPECT_EQ(s.controls.takeMessages().at(0).text, "Duplicate Data");
}

TEST(Limits, ExampleCounterStopsAtItsMaximum)
{
    TestSession s;
    s.engine.state().example_count = 32766; // 32765 examples learnt
    s.positive({"a", "b", "c", "d", "e", "f"});
    EXPECT_TRUE(s.controls.takeMessages().empty());
    EXPECT_EQ(s.engine.state().example_count, 32767);
    expectRefused(s, true, {"a", "b", "c", "d", "e", "g"}, "32766 examples");
    expectRefused(s, false, {"x", "b", "c", "d", "e", "g"}, "32766 examples");
    s.engine.Command6_Click();
    s.positive({"a", "b", "c", "d", "e", "g"});
    EXPECT_TRUE(s.controls.takeMessages().empty());
}

// All the way: 32,766 distinct positive examples are learnt, the 32,767th is refused.
TEST(Limits, ThirtyTwoThousandSevenHundredSixtySixExamples)
{
    TestSession s;
    for (int i = 1; i <= 32766; ++i) {
        s.positive({"a", "b", "c", std::to_string(i % 181), std::to_string(i / 181), "f"});
        ASSERT_TRUE(s.controls.messages().empty()) << "example " << i;
    }
    EXPECT_EQ(s.list(ListId::List3).size(), 32766u);
    EXPECT_EQ(s.engine.state().example_count, 32767);
    EXPECT_EQ(s.list(ListId::List2), Lines{"a,b,c,?,?,f"});
    expectRefused(s, true, {"a", "b", "c", "x", "y", "f"}, "32766 examples");
    s.negative({"a", "b", "c", "1", "0", "f"}); // a duplicate is still reported as one
    EXPECT_EQ(s.controls.takeMessages().at(0).title, "Data not correct");
}

TEST(Limits, TablesAreBoundsChecked)
{
    HypothesisTable table;
    EXPECT_THROW(table.at(31, 1), std::out_of_range);
    EXPECT_THROW(table.at(0, 1), std::out_of_range);
    EXPECT_THROW(table.at(1, 7), std::out_of_range);
    EXPECT_NO_THROW(table.at(30, 6));
}

} // namespace
} // namespace vspace::testing
