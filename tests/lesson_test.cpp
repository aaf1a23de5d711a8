#include "csv_session.h"
#include "fuzz/replay_harness.h"
#include "jsonl_reader.h"
#include "lesson.h"
#include "lesson_report.h"
#include "worksheet.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <ranges>
#include <set>
#include <sstream>

namespace vspace::testing {
namespace {

// A CSV table, or JSON Lines where the input starts with "{".
struct CsvCase
{
    const char *name;
    std::string input;
    int status;
    long reports;
    std::string part;                     // of the last report, or of the message after bad input
    std::string attributes = "6 unnamed"; // the names handed over, joined by "|"
    CsvColumns columns = {};
};

class CsvSessions : public ::testing::TestWithParam<CsvCase>
{};

TEST_P(CsvSessions, PlayRowByRowOrStopNamingTheLine)
{
    MemoryFile file;
    ReplaySession session(file, Learner::Program, true);
    TextInput in(GetParam().input);
    std::ostringstream out, err;
    std::string named;
    const NamesHandler names = [&](const AttributeNames &given) {
        for (std::size_t a = 0; a < given.size(); ++a)
            named += (a ? "|" : "") + given[a];
        if (std::ranges::all_of(given, &std::string::empty))
            named = std::to_string(given.size()) + " unnamed";
    };
    EXPECT_EQ(GetParam().input[GetParam().input.find_first_not_of(" \n\xEF\xBB\xBF")] == '{'
                      ? runJsonLines(in, out, err, session, names)
                      : runCsvSession(in, out, err, session, std::nullopt, names,
                                      GetParam().columns),
              GetParam().status)
            << err.str();
    EXPECT_EQ(named, GetParam().attributes);
    EXPECT_EQ(std::ranges::count(out.str(), '\n'), GetParam().reports);
    const std::string reports = out.str();
    const std::string last = GetParam().status
                                     ? err.str()
                                     : reports.substr(reports.rfind('\n', reports.size() - 2) + 1);
    EXPECT_NE(last.find(GetParam().part), std::string::npos) << last;
}

INSTANTIATE_TEST_SUITE_P(
        Cases, CsvSessions,
        ::testing::Values(
                CsvCase{"quoted_commas_quotes_blanks", "\"a,b\",\"say \"\"hi\"\"\", c ,d,e,f,+\n",
                        0, 1, R"("List2":["a,b,say \"hi\", c ,d,e,f"])"},
                CsvCase{"header_and_labels",
                        "Sky,Air,Humidity,Wind,Water,Forecast,Enjoy\na,b,c,d,e,f,TRUE\nx,b,c,d,e,f,"
                        "No\n",
                        0, 2, R"("List3":["a,b,c,d,e,f,+","x,b,c,d,e,f,-"])",
                        "Sky|Air|Humidity|Wind|Water|Forecast"},
                CsvCase{"names_column_unnamed_blank_line_semicolons",
                        ";Sky;Temp;Label\n\nD1;a;b;yes\nD2;a;c;no\n", 0, 2,
                        R"("List3":["a,b,+","a,c,-"])", "Sky|Temp"},
                CsvCase{"crlf", "a,b,c,d,e,f,Positive\r\nx,b,c,d,e,f,negative\r\n", 0, 2,
                        R"("List1":["a,?,?,?,?,?"])"},
                CsvCase{"unseen_rows", "a,b,c,d,e,f,yes\nx,b,c,d,e,f,-\na,b,c,d,e,g,?\n", 0, 3,
                        R"({"press":"Predict","messages":[{"title":"Result","text":"I can't Predict It ,Result is 0"}])"},
                CsvCase{"bad_width_after_a_line_break_in_quotes",
                        "\"a\nb\",c,d,e,f,g,+\n\na,b,+\na,b,c,d,e,f,-\n", 2, 1,
                        "vspace-replay: line 4: a row of 3 fields, where line 1 has 7\n"},
                CsvCase{"bad_label", "a,b,c,d,e,f,+\na,b,c,d,e,g,maybe\n", 2, 1,
                        R"(line 2: unknown label "maybe": positive: "+", "positive", "yes", "true", )"
                        R"("1"; negative: "-", "negative", "no", "false", "0"; "?" predicts )"
                        "(--positive WORD and --negative WORD add others)\n"},
                CsvCase{"label_by_name_columns_left_out_and_words",
                        "Origin;Make;Color;Decade;Type;Example Type;Id\n"
                        "Japan;Honda;Blue;1980;Economy;p;1\nJapan;Toyota;Green;1970;Sports;n;2\n"
                        "Japan;Toyota;Blue;1990;Economy;p;3\nUSA;Chrysler;Red;1980;Economy;N;4\n"
                        "Japan;Honda;White;1980;Economy;P;5\n",
                        0, 5, R"("List1":["Japan,?,?,?,Economy"])", "Origin|Make|Color|Decade|Type",
                        CsvColumns{"Example Type", {"Id"}, {"p"}, {"n"}}},
                CsvCase{"label_by_number_without_header", "+,a,b\n-,a,c\n", 0, 2,
                        R"("List3":["a,b,+","a,c,-"])", "2 unnamed", CsvColumns{.label = "1"}},
                CsvCase{"no_column_to_leave_out", "a,b,+\n", 2, 0,
                        R"(line 1: no column "Wind" to leave out)", "",
                        CsvColumns{.ignored = {"Wind"}}},
                CsvCase{"one_field", "abc\n", 2, 0,
                        ": line 1: a row of 1 field, not 1 to 16 values", ""},
                CsvCase{"seventeen_values", std::string(34, ',') + "+\n", 2, 0,
                        "a row of 35 fields, not 1 to 16 values", ""},
                CsvCase{"day_column_four_attributes_labels_1_and_0",
                        "Day;Outlook;Temp;Humidity;Wind;Play\nD1;Sunny;Hot;High;Weak;0\n"
                        "D3;Overcast;Hot;High;Weak;1\nD4;Rain;Mild;High;Weak;1\n",
                        0, 3, R"("List2":["?,?,High,Weak"])", "Outlook|Temp|Humidity|Wind"},
                CsvCase{"day_column_names_the_step",
                        "Day,Outlook,Wind,Play\nD1,Sunny,Weak,yes\nD2,Rain,Weak,yes\n", 0, 2,
                        R"("sentence":"D2: Positive example Rain,Weak. S becomes ?,Weak: Outlook)",
                        "Outlook|Wind"},
                CsvCase{"names_chosen_in_another_column",
                        "Sky,Wind,Case,Play\nSunny,Weak,c1,yes\nRain,Weak,c2,yes\n", 0, 2,
                        R"("sentence":"c2: Positive example Rain,Weak.)", "Sky|Wind",
                        CsvColumns{.names = "Case"}},
                CsvCase{"day_column_named_none_is_learnt", "Day,Outlook,Play\nD1,Sunny,yes\n", 0, 1,
                        R"("List2":["D1,Sunny"])", "Day|Outlook", CsvColumns{.names = ""}},
                CsvCase{"names_column_the_label", "a,b,+\n", 2, 0,
                        R"(line 1: no column "3" for the examples' names)", "",
                        CsvColumns{.names = "3"}},
                CsvCase{"three_attributes_and_sixteen",
                        "red,circle,small,yes\n\nblue,circle,small,yes\n" + std::string(16, ',')
                                + "+\n",
                        2, 2, "line 4: a row of 17 fields, where line 1 has 4", "3 unnamed"},
                CsvCase{"byte_order_mark_without_header",
                        "\xEF\xBB\xBFSunny,Warm,Normal,Strong,Warm,Same,Yes\nSunny,Warm,High,"
                        "Strong,Warm,Same,Yes\n",
                        0, 2, R"("List2":["Sunny,Warm,?,Strong,Warm,Same"])"},
                CsvCase{"semicolons_header_label_with_blanks",
                        "Sky;\"Air;T\";H;W;Wa;F;Enjoy\na;b;\"c;d\";d;e, f;f; yes \n", 0, 1,
                        R"("List3":["a,b,c;d,d,e, f,f,+"])", "Sky|Air;T|H|W|Wa|F"},
                CsvCase{"separator_the_second_row_agrees_with", "a,b,c,d;e;+\nf;g;-\n", 0, 2,
                        R"("List3":["a,b,c,d,e,+","f,g,-"])", "2 unnamed"},
                CsvCase{"label_named_by_four_digits", "Sky,Wind,2024\nSunny,Weak,yes\n", 0, 1,
                        R"("List3":["Sunny,Weak,+"])", "Sky|Wind", CsvColumns{.label = "2024"}},
                CsvCase{"byte_order_mark_on_a_blank_line_then_names_twice",
                        "\xEF\xBB\xBF\n{\"attributes\":[\"a\"]}\n{\"attributes\":[\"b\"]}", 2, 0,
                        R"(line 3: "attributes" is allowed on the first line only)", "a"},
                CsvCase{"fields_typed_start_the_session",
                        "{\"Text1\":[\"a\"]}\n{\"attributes\":[\"b\"]}", 2, 0,
                        R"(line 2: "attributes" is allowed on the first line only)", "1 unnamed"},
                CsvCase{"tabs", "a\tb,c\tc\td\te\tf\t+\n", 0, 1, R"("List2":["a,b,c,c,d,e,f"])"},
                CsvCase{"row_index", ",Sky,Air,H,W,Wa,F,Enjoy\n0,a,b,c,d,e,f,+\n", 0, 1,
                        R"("List3":["a,b,c,d,e,f,+"])", "Sky|Air|H|W|Wa|F"},
                CsvCase{"long_label", "a,b,c,d,e,f,+\na,b,c,d,e,g," + std::string(99, 'x') + "\n",
                        2, 1, "line 2: unknown label \"" + std::string(64, 'x') + "\"...: "},
                CsvCase{"row_over_a_mebibyte", "a,b,c,d,e,\"" + std::string(1 << 20, 'v') + "\",+\n",
                        2, 0, "vspace-replay: line 1: a row longer than 1 MiB\n", ""},
                CsvCase{"invalid_utf8", "a,b,c,d,e,f,+\na,b\xff,c,d,e,f,+\n", 2, 1,
                        "vspace-replay: line 2: invalid UTF-8 in field 2\n"},
                CsvCase{"unclosed_quote", "a,b,c,d,e,f,+\n\"a,b,c,d,e,f,+\n", 2, 1,
                        "vspace-replay: line 2: not CSV"},
                CsvCase{"lines_ending_in_cr_lf_or_cr", "a,b,c,d,e,f,+\r\nx,b,c,d,e,f,-\ra,b,\r\n",
                        2, 2, "vspace-replay: line 3: a row of 3 fields, where line 1 has 7"},
                CsvCase{"separator_told_from_a_first_row_over_64_kib",
                        "a;b;c;d;e;" + std::string(70000, 'v') + ";+\na;b;c;d;e;f;-\n", 0, 2,
                        R"("List2":["a,b,c,d,e,)"},
                CsvCase{"rows_of_400_kb_in_many_reads",
                        "a,b,c,d,e,f,+\n" + std::string("x,b,c,d,e,") + std::string(400000, 'v')
                                + ",-\ny,b,c,d,e," + std::string(400000, 'w') + ",-\nz,b,c,d,e,"
                                + std::string(400000, 'y') + ",-\n",
                        0, 4, R"("List2":["a,b,c,d,e,f"])"},
                CsvCase{"blank_first_line", "\nx,b,+\n", 0, 1, R"("List2":["x,b"])", "2 unnamed"},
                CsvCase{"attributes_line",
                        R"({"attributes":["Sky","","Hu","Wi","Wa","Fo"]})"
                        "\n"
                        R"({"Text1":["a","b","c","d","e","f"],"press":"Positive"})",
                        0, 1, R"({"press":"Positive","messages":[],"List1")", "Sky||Hu|Wi|Wa|Fo"},
                CsvCase{"attributes_after_blank_lines_four_wide",
                        "\n \n"
                        R"({"attributes":["Outlook","Temp","Humidity","Wind"]})"
                        "\n"
                        R"({"Text1":["a","b","c","d"],"press":"Positive"})"
                        "\n"
                        R"({"Text2":["a","b","c","d","e"],"press":"Predict"})",
                        2, 1,
                        R"(line 5: "Text2" has 5 values, and the session's instances have 4 )"
                        "attributes (line 3)",
                        "Outlook|Temp|Humidity|Wind"},
                CsvCase{"one_attribute_undone_to_its_start",
                        R"({"Text1":["a"],"press":"Positive"})"
                        "\n"
                        R"({"press":"Undo"})"
                        "\n"
                        R"({"press":"Undo"})",
                        0, 3,
                        R"("List2":["0"],"List3":[],"List4":[],"Text1":[""],"Text2":[""],)"
                        R"("negative_enabled":false,"ignored":true,"step":{"sentence":)"
                        R"("There is nothing to undo."}})",
                        "1 unnamed"},
                CsvCase{"attributes_with_a_press",
                        R"({"attributes":["a","b","c","d","e","f"],"press":"Clear"})", 2, 0,
                        R"(vspace-replay: line 1: "attributes" takes a line of its own)", ""}),
        [](const auto &info) { return std::string(info.param.name); });

// A value too wide for Graphviz is shortened in its box and whole in its tooltip, with nothing on
// standard error; U+FFFE and U+FFFF, which XML does not allow, are drawn as U+FFFD.
// A press's lesson: its sentence, and the rows it added to G, S and the version space by their
// place in the lists, from the step record of the learner shown; an ignored press adds none.
TEST(Lesson, MarksTheRowsAPressAdded)
{
    const auto english = [](Text text) { return std::string(vspace::english(text)); };
    using Added = std::array<std::vector<std::size_t>, 3>;
    std::vector<std::size_t> every(64); // the textbook's first version space, all added
    std::iota(every.begin(), every.end(), 0);
    LearningState program;
    TextbookState textbook;
    const std::vector<std::tuple<Row, bool, Added, Added>> steps{
            {{"Sunny", "Warm", "Normal", "Strong", "Warm", "Same"},
             true,
             {{{}, {0}, {}}},
             {{{}, {0}, every}}},
            {{"Rainy", "Cold", "High", "Strong", "Warm", "Change"},
             false,
             {{{0, 1, 2, 3}, {}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}}},
             {{{0, 1, 2, 3}, {}, {}}}},
            {{"Sunny", "Warm", "Normal", "Strong", "Warm", "Same"}, true, {}, {}},
    };
    for (const auto &[x, positive, programAdded, textbookAdded] : steps) {
        auto step = train(program, x, positive);
        auto other = trainTextbook(textbook, x, positive);
        if (Refusal *refused = std::get_if<Refusal>(&step)) {
            const Lesson lesson = lessonOf(Button::Positive, {}, *refused, false, false, english);
            EXPECT_EQ(lesson.added, Added{});
            EXPECT_EQ(lesson.sentence,
                      "Example Sunny,Warm,Normal,Strong,Warm,Same repeats example 1: nothing "
                      "changes.");
            continue;
        }
        const Button button = positive ? Button::Positive : Button::Negative;
        const Lesson mine = lessonOf(button, {}, std::get<Step>(step).record, false, false, english);
        const Lesson theirs = lessonOf(button, {}, std::get<TextbookStep>(other).record, false,
                                       true, english);
        EXPECT_EQ(mine.added, programAdded) << mine.sentence;
        EXPECT_EQ(theirs.added, textbookAdded) << theirs.sentence;
        EXPECT_EQ(lessonOf(button, {}, std::get<Step>(step).record, true, false, english).added,
                  Added{});
        program = std::get<Step>(step).state;
        textbook = std::get<TextbookStep>(other).state;
    }
    // Lists longer than those searched row by row: a second positive example of eight attributes
    // halves the 256 hypotheses, and adds none.
    Row first(8), second(8);
    for (std::size_t a = 0; a < 8; ++a)
        first[a] = second[a] = a < 7 ? "a" : "b";
    first[7] = "a";
    const TextbookState wide = std::get<TextbookStep>(trainTextbook(TextbookState(8), first, true))
                                       .state;
    EXPECT_EQ(lessonOf(Button::Positive, {},
                       std::get<TextbookStep>(trainTextbook(wide, second, true)).record, false,
                       true, english)
                      .added,
              (Added{{{}, {0}, {}}}));
}

// A row or a name shortened only where it is longer than the two ends kept; a version space of one
// row said in words.
TEST(Lesson, ShortenedPastBothEndsOneRowInWords)
{
    EXPECT_EQ(shortened("abcdefghi", 4), "abcdefghi");
    EXPECT_NE(shortened("abcdefghij", 4), "abcdefghij");
    EXPECT_EQ(isolatedRow({"\u05D0\u05D1", "\u05D2\u05D3"}, 4),
              "\u2068\u05D0\u05D1\u2069,\u2068\u05D2\u05D3\u2069");
    const auto english = [](Text text) { return std::string(vspace::english(text)); };
    TextbookState one(1);
    one = std::get<TextbookStep>(trainTextbook(one, Row{"a"}, true)).state;
    const auto narrowed = trainTextbook(one, Row{"b"}, false);
    EXPECT_EQ(explainPress(Button::Negative, std::get<TextbookStep>(narrowed).record, false,
                           english),
              "Negative example b. G loses what accepts it: ?. S rules it out at attribute 1, so G "
              "gains a. S is unchanged. The version space has one row.");
}

TEST(LessonReport, DrawsValuesGraphvizAndXmlCannotTakeAsTheyAre)
{
    const std::string wide = std::string(50000, 'w') + std::string(50000, 'x');
    const GeneralityGraph graph({{wide, "\xEF\xBF\xBE", "\xEF\xBF\xBF", "d", "e", "f"}},
                                {{"?", "?", "?", "?", "?", "?"}}, {});
    ::testing::internal::CaptureStderr();
    const std::string svg = renderSvg(graph.dot("%1"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    // Each end of a shortened label, and each value of the tooltip, in its own direction.
    const std::string shown = std::string(30, 'x') + ",\uFFFD,\uFFFD,d,e,f";
    EXPECT_NE(svg.find(">" + std::string(40, 'w') + "\u2026\u2068" + shown + "\u2069</text>"),
              std::string::npos);
    EXPECT_NE(svg.find("xlink:title=\"" + wide + ",\u2068\uFFFD\u2069,\u2068\uFFFD\u2069,d,e,f\""),
              std::string::npos);
    EXPECT_EQ(svg.find("\xEF\xBF\xBE"), std::string::npos);
    EXPECT_LT(std::stoi(svg.substr(svg.find("width=\"") + 7)), 1000) << svg.substr(0, 200);
}

// The y coordinate at which the SVG draws `label`.
double drawnAt(const std::string &svg, const std::string &label)
{
    const std::size_t at = svg.find(">" + label + "</text>");
    return at == std::string::npos
                   ? std::nan("")
                   : std::stod(svg.substr(svg.find(" y=\"", svg.rfind("<text", at)) + 4));
}

// Boxes ranked by generality, each row once, whichever lists hold it: S at the bottom, G at the
// top, rows of equal generality on one line even where no edge puts them there; a row exactly as
// long as a box may hold is drawn whole; at most 128 boxes.
TEST(LessonReport, DiagramRanksRowsByGenerality)
{
    const std::string whole = std::string(GeneralityGraph::kMaxLabelCharacters - 10, 'v');
    const Row s{"a", "b", "c", "d", "e", whole}, v1{"a", "b", "c", "d", "e", "?"},
            v2{"a", "b", "c", "d", "?", "?"}, g1{"a", "?", "?", "?", "?", "?"},
            g2{"?", "?", "?", "?", "?", whole};
    const GeneralityGraph graph({s}, {g1, g2, v2}, {v1, v2, g1});
    EXPECT_EQ(graph.nodes.size(), 5u);
    const std::string svg = renderSvg(graph.dot("%1"));
    EXPECT_GT(drawnAt(svg, rowText(s)), drawnAt(svg, rowText(v1)));
    EXPECT_GT(drawnAt(svg, rowText(v2)), drawnAt(svg, rowText(g1)));
    EXPECT_EQ(drawnAt(svg, rowText(g1)), drawnAt(svg, rowText(g2)));
    // A version space of 2^10 rows: S, G and the first 126 others drawn, and a word on the rest.
    const TextbookState wide
            = std::get<TextbookStep>(trainTextbook(TextbookState(10), Row(10), true)).state;
    const GeneralityGraph large(wide.specificRows().all(), wide.general.all(),
                                wide.versionSpace.all());
    EXPECT_EQ(std::pair(large.nodes.size(), large.leftOut), std::pair(std::size_t{128}, 896ul));
    EXPECT_NE(large.dot("%1 left out").find("label=\"896 left out\""), std::string::npos);
    std::vector<Row> others(127, g1);
    for (std::size_t i = 0; i < others.size(); ++i)
        others[i][1] = std::to_string(i);
    EXPECT_NE(GeneralityGraph({s}, {g1}, others).dot("%1 left out").find("\"1 left out\""),
              std::string::npos);
}

// A page is written whole or not at all: a failure part-way leaves the old page as it was.
TEST(LessonReport, PageWrittenWholeOrNotAtAll)
{
    const std::string folder = ::testing::TempDir() + "/vspace-page", path = folder + "/r.html";
    std::filesystem::create_directories(folder);
    EXPECT_EQ(writeWhole(path, [](const TextSink &sink) { return sink("old"), 0; }), std::nullopt);
    EXPECT_EQ(writeWhole(path, [](const TextSink &sink) { return sink("new"), ENOSPC; }),
              "No space left on device");
    std::ifstream page(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(page), {}), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    std::filesystem::remove_all(folder);
}

// Each press explained; where the learners differ, a note with the rows one has and the other
// lacks and the program's rows that contradict an example; at the top, how many presses differed.
TEST(LessonReport, NotesWhereTheLearnersDiffer)
{
    const auto english = [](Text text) { return std::string(vspace::english(text)); };
    MemoryFile file;
    ReplaySession session(file);
    LessonReport report(session);
    for (const auto &[last, positive] :
         {std::pair("f", true), std::pair("z", false), std::pair("y", false)})
        session.play({MemoryControls::Values{positive || *last == 'y' ? "a" : "z", "b", "c", "d",
                                             "e", *last == 'y' ? "y" : "f"},
                      std::nullopt, positive ? Button::Positive : Button::Negative});
    // The lists after every press, undo and redo; the votes too after a Predict.
    session.play(
            {std::nullopt, MemoryControls::Values{"z", "b", "c", "d", "e", "f"}, Button::Predict});
    for (const auto &[press, history] :
         {std::pair(std::optional(Button::Clear), std::optional<History>()),
          {std::nullopt, History::Undo}})
        session.play({std::nullopt, std::nullopt, press, 0, history});
    const std::string page = report.html("differ");
    EXPECT_EQ((std::vector{listed({}, english), listed({"a"}, english), listed({"a", "b"}, english),
                           listed({"a", "b", "c"}, english)}),
              (std::vector<std::string>{"", "a", "a and b", "a, b and c"}));
    for (const char *part :
         {"The two learners differed after 5 of 6 presses; the first was press 1.",
          "<li>The textbook's version space votes 0 of 16 for it, the program's 4 of 5.</li>",
          "<p class=\"explanation\">Negative example a,b,c,d,e,y. G loses what accepts it: "
          "a,?,?,?,?,?. S rules it out at attribute 6, so G gains ?,?,?,?,?,f.",
          "<div class=\"difference\"><p>The program's learner and the textbook learner "
          "differ:</p>\n<ul><li>The textbook's G also has a,?,?,?,?,f.</li><li>The program's G "
          "also has "
          "?,?,?,?,?,f.</li>",
          "<li>The program's row ?,?,?,?,?,f contradicts example 2, z,b,c,d,e,f,-.</li>"})
        EXPECT_NE(page.find(part), std::string::npos) << part;
}

// The sentences name the attributes a session names, and number them where one is unnamed, at the
// session's width, from which the report starts; a press names the example its table names.
TEST(LessonReport, SentencesNameTheAttributes)
{
    for (const auto &[wind, parts] :
         {std::pair("Wind", std::vector{"Wind no longer matters.", "out at Outlook, so G gains"}),
          std::pair("", std::vector{"attribute 4 no longer matters.", "out at Outlook, so G"})}) {
        MemoryFile file;
        ReplaySession session(file, Learner::Program, true);
        LessonReport report(session);
        session.nameAttributes({"Outlook", "Temp", "Humidity", wind});
        report.nameAttributes(session.attributeNames());
        std::string said;
        for (const char *row : {"Rain Cold Low Weak -", "Sunny Hot High Weak +",
                                "Sunny Hot High Strong +", "Rain Hot High Weak -"}) {
            std::istringstream words(row);
            MemoryControls::Values x(4);
            std::string label;
            words >> x[0] >> x[1] >> x[2] >> x[3] >> label;
            said += *session.play({x, std::nullopt,
                                   label == "+" ? Button::Positive : Button::Negative, 0,
                                   std::nullopt, "D" + std::to_string(said.empty() ? 1 : 2)});
        }
        for (const char *part : parts)
            EXPECT_NE(said.find(part), std::string::npos) << said;
        const std::string page = report.html("t");
        EXPECT_NE(page.find("S is <code>0,0,0,0</code>, G is <code>?,?,?,?</code>"),
                  std::string::npos);
        EXPECT_NE(page.find("<h2>Press 4: Negative (D2)</h2>"), std::string::npos);
        // A note across a table's row spans its four attributes and its label.
        EXPECT_NE(page.find("colspan=\"5\""), std::string::npos);
        EXPECT_EQ(page.find("colspan=\"7\""), std::string::npos);
        // A negative example before the first positive is a press of the lesson too.
        EXPECT_NE(page.find("<h2>Press 1: Negative (D1)</h2>\n<p class=\"explanation\">Negative "
                            "example Rain,Cold,Low,Weak comes before the first positive one"),
                  std::string::npos);
    }
}

// A value that turns text around stays between its isolates wherever the report writes it, but
// alone in a table's cell, a paragraph of its own; a learning-data row's label stays at its end.
// Long names are written in full once, shortened in the tables and the sentences: the report grows
// with the presses, not with the names.
TEST(LessonReport, EachValueInItsOwnDirectionEachNameOnce)
{
    const std::string turned = "\u202Eabc"; // a right-to-left override
    const auto count = [](const std::string &text, const std::string &part) {
        return std::ranges::distance(std::views::split(text, part)) - 1;
    };
    for (const bool named : {false, true}) {
        MemoryFile file;
        ReplaySession session(file);
        LessonReport report(session);
        AttributeNames names;
        for (char a = 'A'; named && a < 'G'; ++a)
            names.push_back(std::string(100000, a) + "\u05D0"); // ending in Hebrew
        if (named)
            report.nameAttributes((session.nameAttributes(names), session.attributeNames()));
        for (int press = 0; press < 12; ++press)
            session.play({MemoryControls::Values{turned, "b", "c", "d", "e", std::to_string(press)},
                          std::nullopt, press % 3 == 2 ? Button::Negative : Button::Positive});
        const std::string page = report.html("t");
        const long isolated = count(page, "\u2068" + turned + "\u2069");
        EXPECT_GT(isolated, 12) << named;
        EXPECT_EQ(count(page, turned), isolated + count(page, "<td>" + turned + "</td>")) << named;
        EXPECT_EQ(count(page, "\u2069,b,c,d,e,0,+"), named ? 0 : 2) << named;
        for (const std::string &name : names)
            EXPECT_EQ(count(page, name), 1);
        EXPECT_LT(page.size(), names.size() * 100002 + 100000) << named;
    }
}

// Undo and redo are steps of the lesson too, and the learning data at the end is what is left.
TEST(LessonReport, UndoAndRedo)
{
    MemoryFile file;
    ReplaySession session(file);
    LessonReport report(session);
    for (const char *last : {"f", "g"})
        session.play({MemoryControls::Values{"a", "b", "c", "d", "e", last}, std::nullopt,
                      *last == 'f' ? Button::Positive : Button::Negative});
    for (const History step : {History::Undo, History::Redo, History::Undo, History::Undo})
        session.play({std::nullopt, std::nullopt, std::nullopt, 0, step});
    for (const std::string example : {"+hf", "-hg", "+xg"}) // from the start, to a collapse
        session.play({MemoryControls::Values{example.substr(1, 1), "b", "c", "d", "e",
                                             example.substr(2)},
                      std::nullopt, example[0] == '+' ? Button::Positive : Button::Negative});
    const std::string page = report.html("undo");
    const std::size_t undo = page.find("<h2>Press 5: Undo</h2>");
    EXPECT_NE(page.find("<h2>Press 4: Redo</h2>"), std::string::npos);
    const std::size_t sentence = page.find("Undo takes the last action back.", undo);
    EXPECT_NE(sentence, std::string::npos);
    EXPECT_LT(page.find("G (General)</th><td><ul class=\"rows\"><li class=\"added\">?,?,?,?,?,?",
                        undo),
              sentence);
    EXPECT_NE(page.find("<p class=\"none\">G is empty: no hypothesis is consistent"),
              std::string::npos);
    EXPECT_NE(page.find("The learning data at the end</h2>\n<ul class=\"rows\"><li>h,b,c,d,e,f,+"
                        "</li><li>h,b,c,d,e,g,-</li><li>x,b,c,d,e,g,+</li></ul>"),
              std::string::npos)
            << page.substr(page.find("The learning data at the end"));
}

// A long session: only the last 100 drawings drawn, and the page says so.
TEST(LessonReport, LeavesOutTheFirstDrawingsOfALongSession)
{
    MemoryFile file;
    ReplaySession session(file);
    LessonReport report(session);
    constexpr std::array kPresses{Button::Positive, Button::Negative, Button::Clear};
    for (int i = 0; i < 101; ++i) { // P N C P N C ... P C: each changes the drawing
        // Exactly as many as are drawn: none left out.
        EXPECT_TRUE(i != 100 || report.html("long").find("drawings are drawn") == std::string::npos);
        session.play({MemoryControls::Values{"a", "b", "c", "d", "e", i % 3 == 1 ? "g" : "f"},
                      std::nullopt, i == 100 ? Button::Clear : kPresses[i % 3]});
    }
    const std::string page = report.html("long");
    EXPECT_EQ(std::ranges::distance(std::views::split(page, std::string("<figure>"))) - 1, 100);
    EXPECT_NE(page.find("only the last 100 of the 101 drawings are drawn;"), std::string::npos);
    EXPECT_TRUE(
            page.ends_with("<li class=\"none\">(empty)</li></ul>\n</section>\n</body>\n</html>\n"));
}

// The EnjoySport table played with a report: the page holds S and G after each example, and the
// last diagram is the Hasse diagram of S, G and the version space.
TEST(LessonReport, EnjoySport)
{
    MemoryFile file;
    ReplaySession session(file);
    LessonReport report(session);
    auto opened = FileInput::open(VSPACE_SOURCE_DIR "/examples/enjoysport.csv");
    std::ostringstream out, err;
    ASSERT_EQ(runCsvSession(*std::get<0>(opened), out, err, session), 0) << err.str();
    const std::string page = report.html("EnjoySport");
    // After the negative example: S kept, G's new rows added and the all-"?" row struck through.
    const std::size_t third = page.find("<h2>Press 3:"), fourth = page.find("<h2>Press 4:");
    EXPECT_LT(page.find("<tr><th>S (Specific)</th><td><p class=\"none\">(unchanged)</p></td></tr>\n"
                        "<tr><th>G (General)</th><td><ul class=\"rows\"><li "
                        "class=\"added\">Sunny,?,?,?,?,?</li>",
                        third),
              fourth);
    EXPECT_LT(page.find("<li class=\"removed\">?,?,?,?,?,?</li>", third), fourth);
    const LearningState &state = session.form().state();
    ASSERT_EQ(state.general.size() * 10 + state.versionSpace.size(), 23u);
    const GeneralityGraph graph({state.specific}, state.general.all(), state.versionSpace.all());
    std::set<std::pair<std::string, std::string>> edges;
    for (const auto &[lower, upper] : graph.edges)
        edges.emplace(rowText(graph.nodes[static_cast<std::size_t>(lower)]),
                      rowText(graph.nodes[static_cast<std::size_t>(upper)]));
    EXPECT_EQ(edges, (std::set<std::pair<std::string, std::string>>{
                             {"Sunny,Warm,?,Strong,?,?", "Sunny,Warm,?,?,?,?"},
                             {"Sunny,Warm,?,Strong,?,?", "Sunny,?,?,Strong,?,?"},
                             {"Sunny,Warm,?,Strong,?,?", "?,Warm,?,Strong,?,?"},
                             {"Sunny,Warm,?,?,?,?", "Sunny,?,?,?,?,?"},
                             {"Sunny,Warm,?,?,?,?", "?,Warm,?,?,?,?"},
                             {"Sunny,?,?,Strong,?,?", "Sunny,?,?,?,?,?"},
                             {"?,Warm,?,Strong,?,?", "?,Warm,?,?,?,?"}}));
    EXPECT_EQ(graph.nodes.size(), 6u);
    const auto count = [](const std::string &text, const std::string &part) {
        return std::ranges::distance(std::views::split(text, part)) - 1;
    };
    const std::string svg = renderSvg(graph.dot("%1"));
    EXPECT_EQ(count(svg, "class=\"node"), graph.nodes.size());
    EXPECT_EQ(count(svg, "class=\"node specific\""), 1);
    EXPECT_EQ(count(svg, "class=\"node general\""), 2);
    EXPECT_EQ(count(svg, ">?,Warm,?,Strong,?,?</text>") + count(svg, "#d7f0da")
                      + count(svg, "#fdf0c4"),
              4u);
    // A diagram for each example, which changed the drawing, none for the predictions; each press
    // a section of its own.
    EXPECT_EQ(count(page, "<figure>"), 4u);
    EXPECT_EQ(std::pair(count(page, "<section>"), count(page, "</section>")), std::pair(8L, 8L));
    EXPECT_NE(page.find("<span class=\"added\">Added</span> and <span class=\"removed\">removed"
                        "</span> rows are marked."),
              std::string::npos);
    EXPECT_NE(page.find(
                      "<p>Unseen instance: <code>Sunny,Warm,Normal,Strong,Cool,Change</code></p>\n"
                      "<p class=\"message\">Message Result: Your Data is Positive , Result is "
                      "+</p>"),
              std::string::npos);
    EXPECT_NE(page.find("<p>At the start, S is <code>0,0,0,0,0,0</code>, G is "
                        "<code>?,?,?,?,?,?</code> and the version space is empty.</p>"),
              std::string::npos);
    EXPECT_NE(page.find("<li class=\"added\">Rainy,Cold,High,Strong,Warm,Change,-</li><li "
                        "class=\"none\">(3 rows)</li>"),
              std::string::npos);
    // G rows one above the other, and values DOT and HTML would read as their own.
    const std::string odd = renderSvg(
            GeneralityGraph({{"a\"b", "c\\N", "<&>", "d&amp;", "e", "f"}},
                            {{"a\"b", "?", "?", "?", "?", "?"}, {"?", "?", "?", "?", "?", "?"}}, {})
                    .dot("%1"));
    EXPECT_NE(odd.find("a&quot;b,c\\N,&lt;&amp;&gt;,d&amp;amp;,e,f"), std::string::npos) << odd;

    // Played again with the names its header gives (the first as HTML would read it, the second
    // left out): every row in a table under them, the learning data at the end too; the page
    // without names has none.
    EXPECT_EQ(page.find("<table class=\"grid\">"), std::string::npos);
    ReplaySession again(file);
    LessonReport named(again);
    auto reopened = FileInput::open(VSPACE_SOURCE_DIR "/examples/enjoysport.csv");
    ASSERT_EQ(runCsvSession(*std::get<0>(reopened), out, err, again, std::nullopt,
                            [&](AttributeNames names) {
                                names[0] = "Sky<b>&\"";
                                names[1].clear();
                                named.nameAttributes(names);
                            }),
              0);
    const std::string grid = named.html("EnjoySport");
    const std::string head
            = "<th scope=\"col\">Sky&lt;b&gt;&amp;&quot;</th><th scope=\"col\">Attribute 2</th>"
              "<th scope=\"col\">Humidity</th><th scope=\"col\">Wind</th><th scope=\"col\">"
              "Water</th><th scope=\"col\">Forecast</th><th scope=\"col\">Label</th></tr>"
              "</thead>\n";
    const std::size_t press3 = grid.find("<h2>Press 3:");
    for (const std::string &part :
         {"<table class=\"grid\">\n<thead><tr><td></td>" + head
                  + "<tbody><tr><th scope=\"rowgroup\" rowspan=\"1\">Training "
                    "instance</th><td>Rainy</td><td>Cold</td><td>High</td>",
          std::string("<tbody><tr><th scope=\"rowgroup\" rowspan=\"1\">S (Specific)</th><td "
                      "colspan=\"7\" class=\"none\">(unchanged)</td></tr></tbody>\n<tbody><tr "
                      "class=\"added\"><th scope=\"rowgroup\" rowspan=\"4\">G "
                      "(General)</th><td>Sunny</td><td>?</td>"),
          std::string("<tr class=\"removed\"><td>?</td><td>?</td><td>?</td><td>?</td><td>?</"
                      "td><td>?</td><td></td></tr></tbody>"),
          std::string("<tr class=\"added\"><th scope=\"rowgroup\" rowspan=\"2\">Learning "
                      "data</th><td>Rainy</td><td>Cold</td><td>High</td><td>Strong</td><td>Warm</"
                      "td><td>Change</td><td>-</td></tr><tr><td colspan=\"7\" class=\"none\">(3 "
                      "rows)</td></tr></tbody>\n</table>")})
        EXPECT_LT(grid.find(part, press3), grid.find("<h2>Press 4:")) << part;
    EXPECT_NE(grid.find("The learning data at the end</h2>\n<table class=\"grid\">\n<thead><tr>"
                        + head + "<tbody><tr><td>Sunny</td><td>Warm</td><td>Normal</td>"),
              std::string::npos);
}

// A worksheet holds every example and question of a session, its values in the order typed, and in
// its key S and G after each, as vspace-replay reports them, and each prediction's vote.
TEST(Worksheet, HoldsEveryExampleAndEveryAnswer)
{
    std::ifstream file(VSPACE_SOURCE_DIR "/examples/enjoysport.jsonl", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    for (const Learner learner : {Learner::Program, Learner::Textbook}) {
        MemoryFile exported;
        ReplaySession session(exported, learner);
        const Worksheet sheet(session);
        TextInput in(bytes);
        std::ostringstream out, err;
        ASSERT_EQ(runJsonLines(in, out, err, session), 0);
        const std::string html = sheet.html("enjoysport.jsonl");
        const std::size_t key = html.find("<section class=\"key\">");
        std::size_t question = 0, answer = key;
        // Found after the text found last, before `end`.
        const auto found = [&](std::size_t &at, const std::string &text, std::size_t end) {
            return (at = html.find(text, at)) < end;
        };
        std::istringstream reports(out.str());
        for (std::string line; std::getline(reports, line);) {
            const nlohmann::json report = nlohmann::json::parse(line);
            const bool predict = report["press"] == "Predict";
            std::vector<std::string> values = report["Text2"];
            if (!predict) {
                std::istringstream learnt(report["List3"].back().get<std::string>());
                values.clear();
                for (std::string value; std::getline(learnt, value, ',');)
                    values.push_back(value);
                values.back() = report["press"] == "Positive" ? "+" : "-";
            }
            ASSERT_TRUE(found(question, "<li><p>Press ", key)) << line;
            for (const std::string &value : values)
                ASSERT_TRUE(found(question, "<td>" + value + "</td>", key)) << value;
            ASSERT_TRUE(found(question, predict ? "box vote" : "<div class=\"box\">", key));
            ASSERT_TRUE(found(answer, "<li><p>Press ", html.size()));
            if (predict) {
                EXPECT_TRUE(found(answer, report["messages"][0]["text"], html.size()));
            }
            for (const char *list : {"List2", "List1"}) {
                for (const std::string row : predict ? nlohmann::json::array() : report[list])
                    EXPECT_TRUE(found(answer, "<li>" + row + "</li>", html.size())) << row;
            }
        }
    }
    // A table's names of its examples head their questions.
    MemoryFile exported;
    ReplaySession named(exported);
    const Worksheet days(named);
    TextInput table("Day,Outlook,Play\nD1,Sunny,yes\n");
    std::ostringstream out, err;
    ASSERT_EQ(runCsvSession(table, out, err, named, std::nullopt), 0);
    EXPECT_NE(days.html("days").find("Press 1: Positive (D1)"), std::string::npos);
}

} // namespace
} // namespace vspace::testing
