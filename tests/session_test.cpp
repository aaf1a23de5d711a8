#include "csv_session.h"
#include "exercise.h"
#include "fuzz/replay_harness.h"
#include "jsonl_reader.h"
#include "replay_options.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <map>
#include <ranges>
#include <set>
#include <sstream>

namespace vspace::testing {
namespace {

using json = nlohmann::json;

// Plays a script through the replay driver's session, a press a line: "+", "-" or "?" and six
// values ("~" for an empty one) press Positive, Negative or Predict with them typed in; "gen",
// "exit" and "clear" press the other buttons, "undo" and "redo" step through the history; "raw"
// plays a line of the replay format. After " => " come the parts, separated by " | ", that the
// press's report must hold ("error: " and the reason for bad input); a report holds "messages":[]
// unless a part names messages. "set", exampleCount, S and the rows of G (values joined by commas)
// put a state in place by hand, as if examples had been learnt: a limit is reached without some
// 32,000 presses. Reports are explained (--explain). Returns the parts missing, one a line.
std::string play(const std::string &script)
{
    const std::map<std::string, std::string> presses{{"+", "Positive"}, {"-", "Negative"},
                                                     {"?", "Predict"},  {"gen", "Gen Text"},
                                                     {"exit", "Exit"},  {"clear", "Clear"},
                                                     {"undo", "Undo"},  {"redo", "Redo"}};
    MemoryFile file;
    ReplaySession session(file, Learner::Program, true); // each report says what the press did
    std::string failures, line;
    std::istringstream lines(script);
    for (int number = 1; std::getline(lines, line); ++number) {
        const std::size_t arrow = std::min(line.find(" => "), line.size());
        std::istringstream words(line.substr(0, arrow));
        std::string op, input = "{", value;
        words >> op;
        if (op == "set") {
            LearningState state = session.form().state();
            words >> state.exampleCount;
            std::vector<Row> rows;
            for (Row row; words >> value; rows.push_back(row)) {
                for (std::size_t a = 0, start = 0; a < 6; start = value.find(',', start) + 1)
                    row[a++] = value.substr(start, value.find(',', start) - start);
            }
            state.specific = rows.at(0);
            state.general = Rows(std::vector<Row>(rows.begin() + 1, rows.end()));
            session.form().setState(state);
        } else if (op == "raw") {
            input = line.substr(4, arrow - 4);
        } else if (presses.contains(op)) {
            for (int i = 0; op.size() == 1 && i < 6 && words >> value; ++i)
                input += (i           ? ","
                          : op == "?" ? "\"Text2\":["
                                      : "\"Text1\":[")
                         + json(value == "~" ? "" : value).dump();
            input += (input.size() > 1 ? "]," : "") + std::string("\"press\":")
                     + json(presses.at(op)).dump() + "}";
        } else if (!op.empty()) {
            failures += "line " + std::to_string(number) + ": unknown press " + op + "\n";
        }
        if (op.empty() || input == "{")
            continue;
        const std::variant<ReplayCommand, std::string> parsed = parseReplayLine(input);
        const std::string report = parsed.index() ? "error: " + std::get<1>(parsed)
                                                  : session.play(std::get<0>(parsed)).value_or("");
        std::string parts = line.substr(std::min(arrow + 4, line.size()));
        if (!report.empty() && !parsed.index() && parts.find("\"messages\":") == std::string::npos)
            parts += " | \"messages\":[]";
        for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 3) {
            const std::string part = parts.substr(start, (end = parts.find(" | ", start)) - start);
            if (!part.empty() && report.find(part) == std::string::npos)
                failures += "line " + std::to_string(number) + ": " + part + " is not in " + report
                            + "\n";
        }
    }
    return failures;
}

// The sessions of sessions.txt, each headed by a line "## name", or "## name < base" for a
// session that starts with the presses of an earlier one.
std::vector<std::pair<std::string, std::string>> sessions()
{
    std::ifstream in(VSPACE_TEST_DIR "/sessions.txt");
    std::map<std::string, std::string> steps;
    std::vector<std::pair<std::string, std::string>> all;
    for (std::string line; std::getline(in, line);) {
        const std::size_t base = line.find(" < ");
        if (line.starts_with("## "))
            all.emplace_back(line.substr(3, base - 3),
                             base == std::string::npos ? "" : steps.at(line.substr(base + 3)));
        else if (!all.empty())
            steps[all.back().first] = all.back().second += line + "\n";
    }
    return all;
}

class Sessions : public ::testing::TestWithParam<std::pair<std::string, std::string>>
{};

TEST_P(Sessions, ReportWhatIsExpected)
{
    EXPECT_EQ(play(GetParam().second), "");
}

INSTANTIATE_TEST_SUITE_P(File, Sessions, ::testing::ValuesIn(sessions()),
                         [](const auto &info) { return info.param.first; });

// Plays `input` through the driver; returns the exit status, the reports written and the message.
std::tuple<int, long, std::string> replay(const std::string &input)
{
    MemoryFile file;
    ReplaySession session(file);
    TextInput in(input);
    std::ostringstream out, err;
    const int status = runJsonLines(in, out, err, session);
    return {status, std::ranges::count(out.str(), '\n'), err.str()};
}

TEST(Replay, StopsAtExitOrAtBadInputNamingItsLine)
{
    const std::string first = R"({"Text1":["a","b","c","d","e","f"],"press":"Positive"})",
                      nul("\0", 1);
    EXPECT_EQ(replay(first + "\n \t\n{\"press\":\"Exit\"}\nnot read"), std::tuple(0, 2, ""));
    EXPECT_EQ(replay(first + "\n\n{\"press\":\"Cl" + nul + "ear\"}\n" + first),
              std::tuple(2, 1, "vspace-replay: line 3: not JSON: a NUL byte at byte 13\n"));
    const std::string head = R"({"Text1":[")",
                      tail = R"(","b","c","d","e","f"],"press":"Positive"})";
    const std::string value(kMaxReplayLineBytes - head.size() - tail.size(), 'v');
    EXPECT_EQ(replay(head + value + tail + "\n"), std::tuple(0, 1, ""));
    EXPECT_EQ(replay(head + value + "v" + tail),
              std::tuple(2, 0, "vspace-replay: line 1: longer than 1 MiB (1048576 bytes)\n"));
    EXPECT_EQ(std::get<0>(replay("[")), 2); // an input of a single byte is read too
    EXPECT_EQ(replay("\xEF\xBB\xBF" + first + "\n"), std::tuple(0, 1, "")); // a byte-order mark
    EXPECT_EQ(std::get<std::string>(
                      parseReplayLine(std::string(100000, '[') + std::string(100000, ']'))),
              "not a JSON object");
    EXPECT_EQ(std::get<std::string>(parseReplayLine("{\"Text1\":[\"\xC3\x28\"]}")),
              "invalid UTF-8 at byte 13");
}

// A session whose file cannot be read past its first `good` bytes: the system says EIO.
struct FailingInput : TextInput
{
    FailingInput(std::string_view text, std::size_t good)
        : TextInput(text.substr(0, good), "table.csv")
    {}
    long read(char *buffer, std::size_t size) override
    {
        const long read = TextInput::read(buffer, size);
        return read ? read : -1;
    }
    int error() const override { return EIO; }
};

// A read that fails part-way is not the end of the file: what was read is played, then the run
// stops, naming the file, the line and the system's reason, even inside a row.
TEST(Replay, AFailedReadEndsTheRunNamingFileLineAndReason)
{
    for (const std::string line : {R"({"Text1":["a","b","c","d","e","f"],"press":"Positive"})"
                                   "\n",
                                   "a,b,c,d,e,f,+\r\n"}) {
        const bool csv = line.starts_with('a');
        MemoryFile file;
        ReplaySession session(file);
        const std::string text = line + line + line;
        FailingInput in(text, 2 * line.size() + 4);
        std::ostringstream out, err;
        EXPECT_EQ(csv ? runCsvSession(in, out, err, session) : runJsonLines(in, out, err, session),
                  2);
        EXPECT_EQ(std::ranges::count(out.str(), '\n'), 2);
        EXPECT_EQ(err.str(), "vspace-replay: line 3: cannot read table.csv: Input/output error\n");
    }
}

// With --textbook the reports carry the textbook learner's lists and votes, and with --explain
// each says under "step" what the press did and why; the learners differ, and a row of the
// program's learner accepts a negative example learnt.
TEST(Replay, TheTextbookLearnerExplained)
{
    const std::string session = R"({"Text1":["a","b","c","d","e","f"],"press":"Positive"}
{"Text1":["z","b","c","d","e","f"],"press":"Negative"}
{"Text1":["a","b","c","d","e","y"],"press":"Negative"}
{"Text2":["z","b","c","d","e","f"],"press":"Predict"}
{"press":"Gen Text"}
{"press":"Clear"}
{"press":"Command2"})";
    std::vector<json> lines[2];
    std::string exported[2];
    for (const bool textbook : {false, true}) {
        MemoryFile file;
        ReplaySession replay(file, textbook ? Learner::Textbook : Learner::Program, true);
        TextInput in(session);
        std::ostringstream out, err;
        ASSERT_EQ(runJsonLines(in, out, err, replay), 0) << err.str();
        std::istringstream reports(out.str());
        for (std::string line; std::getline(reports, line);)
            lines[textbook].push_back(json::parse(line));
        exported[textbook] = file.bytes;
    }
    // Gen Text writes the version space the lists show.
    EXPECT_EQ(std::ranges::count(exported[0], '\n') * 100 + std::ranges::count(exported[1], '\n'),
              516);
    EXPECT_EQ(lines[0][2]["List1"], json({"?,?,?,?,?,f"}));
    EXPECT_EQ(lines[1][2]["List1"], json({"a,?,?,?,?,f"}));
    EXPECT_EQ(lines[1][2]["List2"], json({"a,b,c,d,e,f"}));
    EXPECT_EQ(lines[1][2]["List4"].size(), 16u);
    EXPECT_EQ(lines[1][2]["step"]["made"][0]["source"], 1);
    EXPECT_EQ(lines[1][2]["step"]["sentence"],
              "Negative example a,b,c,d,e,y. G loses what accepts it: a,?,?,?,?,?. S rules it out "
              "at attribute 6, so G gains a,?,?,?,?,f. S is unchanged. The version space has 16 "
              "rows.");
    // Example 2, a negative one: the program's version space is split on it, the textbook's not.
    EXPECT_EQ(lines[0][3]["messages"][0]["text"], "I can't Predict It ,Result is 0");
    EXPECT_EQ(lines[0][3]["step"]["sentence"],
              "4 of 5 hypotheses accept it, so the answer is undecided.");
    EXPECT_EQ(lines[1][3]["messages"][0]["text"], "Your Data is Negative ,Result is -");
    EXPECT_EQ(lines[1][5]["step"], json({{"sentence", "Clear forgets every example: G and S are "
                                                      "as at the start."}}));
    EXPECT_EQ(lines[1][6]["step"],
              json({{"sentence", "Negative example ,,,,, comes before the first positive one: the "
                                 "program's learner ignores it, as Negative is greyed; the "
                                 "textbook learner holds it and learns it right after the first "
                                 "positive example."}}));
    EXPECT_EQ(lines[0][1]["step"]["dropped"][0]["reason"], "AcceptsNegative");
    EXPECT_EQ(lines[0][1]["step"]["collapsed"], false);
}

// The command line: each case the arguments, then what is understood (action, file, folder,
// report, CSV, separator, quiet, the table's label, columns left out and label words) or what is
// wrong.
TEST(Replay, OptionsByTheirWholeName)
{
    const std::vector<std::pair<std::vector<const char *>, std::string>> cases{
            {{"--csv", "--quiet", "--separator=tab", "t.csv"}, "play t.csv - - csv 9 quiet"},
            {{"--export-dir", "out", "--report=r.html", "-"}, "play - out r.html"},
            {{"--export-dirx=out"}, "unknown option --export-dirx=out"},
            {{"--reportx", "r.html"}, "unknown option --reportx"},
            {{"--report"}, "--report needs a file name"},
            {{"--separator", "|", "--csv"}, "--separator needs , or ; or tab"},
            {{"a.jsonl", "b.jsonl"}, "only one FILE can be played"},
            {{"--export-dir", ""}, "--export-dir is empty: it needs a folder"},
            {{"--report="}, "--report is empty: it needs a file name"},
            {{"--csv", "--quiet", "--csv"}, "--csv is given twice"},
            {{"-h", "--help"}, "--help is given twice"},
            {{"--separator=;"}, "--separator is for CSV tables: it needs --csv"},
            {{"--quiet", "--", "-x.jsonl"}, "play -x.jsonl quiet"},
            {{"--explain", "--textbook"}, "play textbook explain"},
            {{"--", "--csv", "b"}, "only one FILE can be played"},
            {{"--csv", "--label=Day", "--ignore", "2", "--ignore=Id", "--positive", "p",
              "--negative=e", "--negative", "N"},
             "play - - csv label Day ignore 2 Id words p e N"},
            {{"--csv", "--label", "1", "--label=2"}, "--label is given twice"},
            {{"--csv", "--ignore="}, "--ignore is empty: it needs a column's name or number"},
            {{"--csv", "--positive"}, "--positive needs a word"},
            {{"--negative=n"}, "--negative is for CSV tables: it needs --csv"},
            {{"--exercise", "--seed=7", "--attributes", "16", "--examples=4", "--collapse"},
             "other 7 16 4 collapse"},
            {{"--exercise", "--attributes=2"},
             "--attributes needs a whole number from 3 to 16, not \"2\""},
            {{"--exercise", "--examples", "201"},
             "--examples needs a whole number from 4 to 200, not \"201\""},
            {{"--exercise", "--seed=-1"},
             "--seed needs a whole number from 0 to 4294967295, not \"-1\""},
            {{"--exercise", "--examples"}, "--examples needs a whole number from 4 to 200"},
            {{"--exercise", "--seed"}, "--seed needs a whole number from 0 to 4294967295"},
            {{"--exercise", "--examples=12x"},
             "--examples needs a whole number from 4 to 200, not \"12x\""},
            {{"--seed", "3"}, "--seed is for exercise tables: it needs --exercise"},
            {{"--worksheet=w.html", "t.jsonl"}, "play t.jsonl sheet w.html"},
            {{"--worksheet"}, "--worksheet needs a file name"},
            {{"--exercise", "--csv"}, "--csv plays a session: it cannot go with --exercise"},
            {{"--report=a", "--worksheet", "a"}, "--report and --worksheet name the same file"},
            {{"--exercise", "t.csv"}, "--exercise writes a table of its own: it plays no FILE"}};
    for (auto [arguments, understood] : cases) {
        arguments.insert(arguments.begin(), "vspace-replay");
        const auto parsed = parseReplayOptions(static_cast<int>(arguments.size()), arguments.data());
        std::string got = parsed.index() ? std::get<1>(parsed) : "";
        if (const ReplayOptions *o = std::get_if<ReplayOptions>(&parsed)) {
            got = std::string(o->action == ReplayOptions::Action::Play ? "play" : "other")
                  + (o->file ? " " + *o->file : "")
                  + (o->exportFolder ? " " + *o->exportFolder : "")
                  + (o->report ? " " + *o->report : "") + (o->csv ? " - - csv" : "")
                  + (o->worksheet ? " sheet " + *o->worksheet : "")
                  + (o->separator ? " " + std::to_string(*o->separator) : "")
                  + (o->quiet ? " quiet" : "") + (o->textbook ? " textbook" : "")
                  + (o->explain ? " explain" : "")
                  + (o->columns.label ? " label " + *o->columns.label : "");
            if (o->action == ReplayOptions::Action::Exercise)
                got += " " + std::to_string(o->exercise.seed) + " "
                       + std::to_string(o->exercise.attributes) + " "
                       + std::to_string(o->exercise.examples)
                       + (o->exercise.collapse ? " collapse" : "");
            for (const auto &[tag, words] : {std::pair(" ignore", &o->columns.ignored),
                                             std::pair(" words", &o->columns.positiveWords),
                                             std::pair("", &o->columns.negativeWords)})
                for (std::size_t w = 0; w < words->size(); ++w)
                    got += (w == 0 ? std::string(tag) : "") + " " + (*words)[w];
        }
        EXPECT_EQ(got, understood) << arguments[1];
    }
}

// Every input of the fuzz corpus and every input the fuzzer once failed on, replayed with the
// fuzz target's checks.
TEST(Replay, FuzzInputsPlayWithInvariantsIntact)
{
    for (const char *folder : {"/fuzz/corpus", "/fuzz/regressions"}) {
        for (const auto &entry :
             std::filesystem::directory_iterator(VSPACE_TEST_DIR + std::string(folder))) {
            std::ifstream in(entry.path(), std::ios::binary);
            EXPECT_EQ(playReplayInput(std::string(std::istreambuf_iterator<char>(in), {})), "")
                    << entry.path();
        }
    }
}

// Exercise tables keep their promise, played with the textbook learner shown: no example refused;
// the first positive; S generalised later; G split, then a row of it dropped by a positive one;
// 2 to 10 hypotheses left, or none when a collapse is asked for. A seed gives its table again.
TEST(Exercise, TablesTeachWhatTheyPromise)
{
    std::set<std::string> tables;
    for (std::size_t seed = 1; seed <= 100; ++seed) {
        const ExerciseRequest request{seed, 3 + seed % 14, 4 + seed * 37 % 197, seed % 10 == 0};
        const std::string table = exerciseTable(request);
        EXPECT_EQ(exerciseTable(request), table);
        tables.insert(table);
        MemoryFile file;
        ReplaySession session(file, Learner::Textbook);
        TextInput in(table);
        std::ostringstream out, err;
        ASSERT_EQ(runCsvSession(in, out, err, session, std::nullopt), 0) << err.str();
        std::istringstream lines(out.str());
        std::vector<json> reports;
        for (std::string line; std::getline(lines, line);)
            reports.push_back(json::parse(line));
        ASSERT_EQ(reports.size(), request.examples) << table;
        EXPECT_EQ(reports[0]["press"], "Positive");
        bool generalised = false, split = false, dropped = false;
        for (std::size_t i = 1; i < reports.size(); ++i) {
            const json &before = reports[i - 1], &now = reports[i];
            EXPECT_EQ(now["messages"], json::array()) << table << i;
            const bool positive = now["press"] == "Positive";
            generalised = generalised || (positive && now["List2"] != before["List2"]);
            dropped = dropped
                      || (split && positive && now["List1"].size() < before["List1"].size());
            split = split || now["List1"].size() > 1;
        }
        const std::size_t space = reports.back()["List4"].size();
        EXPECT_TRUE(generalised && dropped) << table;
        EXPECT_TRUE(request.collapse ? space == 0 && reports.back()["List1"].empty()
                                     : space >= 2 && space <= 10)
                << table;
    }
    EXPECT_EQ(tables.size(), 100);
    // A seed's table stays the same from one version to the next, as worksheets handed out and
    // links shared rely on.
    EXPECT_EQ(exerciseTable({7, 4, 8}),
              "Sky,Temp,Humidity,Wind,Label\nFoggy,Hot,Moist,Gusty,yes\nSnowy,Hot,Moist,Breezy,no\n"
              "Foggy,Hot,Moist,Strong,yes\nFoggy,Hot,Moist,Weak,yes\nFoggy,Hot,Moist,Breezy,yes\n"
              "Cloudy,Warm,Damp,Strong,no\nFoggy,Hot,Moist,Still,yes\nRainy,Mild,Damp,Still,no\n");
    EXPECT_TRUE(exerciseTable({8, 4, 8, true}).ends_with("\nCloudy,Mild,Normal,Weak,yes\n"));
}

} // namespace
} // namespace vspace::testing
