#include "csv_session.h"
#include "fuzz/replay_harness.h"
#include "jsonl_reader.h"
#include "page.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace vspace::testing {
namespace {

using json = nlohmann::json;

// The page as page.js draws it from the engine's updates: its lists, its fields, the Negative
// button and what the last update showed besides.
struct DrawnPage
{
    std::map<std::string, std::vector<std::string>> lists;
    PageFields fields{std::vector<std::string>(2 * kFieldCount), {}};
    bool negative = true;
    std::vector<std::string> messages;        // the Messages list
    std::string earlier;                      // what heads it, when earlier messages are not listed
    std::map<std::size_t, std::string> steps; // the Steps entries, by their number
    json last;

    Page page; // in English

    explicit DrawnPage(AttributeNames names = {})
        : page({}, std::move(names))
    {}

    const json &apply(const std::string &update)
    {
        last = json::parse(update);
        for (const json &change : last["lists"]) {
            std::vector<std::string> &rows = lists[change["list"]];
            if (change["clear"])
                rows.clear();
            if (change.contains("keep"))
                rows.resize(change["keep"]);
            for (const json &row : change["rows"])
                rows.push_back(row);
        }
        if (last.contains("fieldCount"))
            fields.texts.assign(2 * last["fieldCount"].get<std::size_t>(), "");
        const std::size_t count = fields.texts.size() / 2;
        for (const json &change : last["fields"]) {
            const std::size_t row = change["field"]["row"] == "Training" ? 0 : 1;
            fields.texts.at(row * count + change["field"]["index"].get<std::size_t>() - 1)
                    = change["text"];
        }
        negative = last["enabled"].value("Negative", negative);
        if (last.contains("messageList")) {
            const json &change = last["messageList"];
            messages.erase(messages.begin(), messages.begin() + change["drop"].get<long>());
            messages.resize(change["keep"]);
            for (const json &message : change["add"])
                messages.push_back(message);
            earlier = change.value("before", "");
        }
        if (last.contains("steps")) {
            steps.erase(steps.upper_bound(last["steps"]["keep"]), steps.end());
            for (const json &step : last["steps"]["add"])
                steps[step[0]] = step[1];
        }
        return last;
    }
    // The page as vspace-replay reports it after a press, but for the messages.
    json reported() const
    {
        json report{{"List1", lists.at("General")},
                    {"List2", lists.at("Specific")},
                    {"List3", lists.at("LearningData")},
                    {"List4", lists.at("VersionSpace")},
                    {"negative_enabled", negative}};
        for (std::size_t i = 0; i < fields.texts.size(); ++i)
            report[i < fields.texts.size() / 2 ? "Text1" : "Text2"].push_back(fields.texts[i]);
        return report;
    }
};

// What vspace-replay prints for each press of a session: its lists, fields, Negative button and
// messages; the export file as the session leaves it; the messages since the last Clear; why it
// stopped, if it did.
std::tuple<std::vector<json>, std::string, json, std::string> replayed(const std::string &bytes,
                                                                       bool csv)
{
    MemoryFile file;
    ReplaySession session(file);
    TextInput in(bytes);
    std::ostringstream out, err;
    const int status = csv ? runCsvSession(in, out, err, session, std::nullopt)
                           : runJsonLines(in, out, err, session);
    std::vector<json> reports;
    json messages = json::array();
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        json report = json::parse(line);
        if (report["press"] == "Clear" && !report.contains("ignored"))
            messages.clear();
        for (const json &message : report["messages"])
            messages.push_back(message["title"].get<std::string>() + ": "
                               + message["text"].get<std::string>());
        report.erase("press");
        report.erase("ignored");
        // A field shows each line break as one sign.
        const std::regex lineBreak("\r\n|\r|\n");
        for (const char *row : {"Text1", "Text2"}) {
            for (json &text : report[row])
                text = std::regex_replace(text.get<std::string>(), lineBreak, "\u23CE");
        }
        reports.push_back(std::move(report));
    }
    return {reports, file.bytes, messages, status ? err.str() : ""};
}

class PageSessions : public ::testing::TestWithParam<std::string>
{};

// Next press plays a session as vspace-replay does, over work it sets aside: after each press the
// same lists, fields, Negative button and messages, a played press undone and redone included;
// Play to end leaves the lists as the last press does; Gen Text offers the file it writes.
TEST_P(PageSessions, PlayAsTheReplayDoes)
{
    std::ifstream file(VSPACE_TEST_DIR "/" + GetParam(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    const bool csv = GetParam().ends_with(".csv");
    const auto [reports, exported, messages, refusal] = replayed(bytes, csv);
    DrawnPage stepped, played;
    if (!refusal.empty()) { // and so is it by the page, for the same reason
        EXPECT_EQ("vspace-replay: "
                          + json::parse(stepped.page.open(bytes, csv))["error"].get<std::string>()
                          + "\n",
                  refusal);
        return;
    }
    std::optional<std::string> download;
    for (DrawnPage *drawn : {&stepped, &played}) { // over an example learnt by hand
        drawn->apply(drawn->page.start());
        drawn->fields.texts = {"h", "a", "n", "d", "", "", "", "", "", "", "", ""};
        drawn->apply(drawn->page.press(Button::Positive, drawn->fields));
        EXPECT_EQ(json::parse(drawn->page.open(bytes, csv))["presses"], reports.size());
        drawn->apply(drawn->page.startSession(drawn->fields));
    }
    for (std::size_t press = 0; press < reports.size(); ++press) {
        json report = reports[press];
        EXPECT_EQ(stepped.apply(stepped.page.playNext(stepped.fields))["messages"],
                  report["messages"])
                << GetParam() << ", press " << press + 1;
        // Each press explained once in the Steps (a note that no example can be suggested may
        // follow).
        const json &steps = stepped.last["steps"]["add"];
        EXPECT_TRUE(steps.size() == 1 || steps[1][1] != steps[0][1]) << steps;
        EXPECT_TRUE(stepped.last.contains("marks")) << press + 1;
        if (stepped.last.contains("download"))
            download = stepped.last["download"];
        report.erase("messages");
        EXPECT_EQ(stepped.reported(), report) << GetParam() << ", press " << press + 1;
        if (press % 3 == 1) {
            EXPECT_TRUE(stepped.apply(stepped.page.undo(stepped.fields)).contains("history"));
            stepped.apply(stepped.page.redo(stepped.fields));
            EXPECT_EQ(stepped.reported(), report) << GetParam() << ", press " << press + 1;
        }
    }
    EXPECT_FALSE(stepped.last["session"]["left"]);
    EXPECT_EQ(download.value_or(""), exported);

    const json &first = played.apply(played.page.play(played.fields, 0, 0)); // one press
    EXPECT_TRUE(reports.size() < 2 || first["lists"].empty()) << first["lists"];
    const json &end = played.apply(played.page.play(played.fields, 60000, 0));
    EXPECT_EQ(end["session"]["played"], reports.size());
    EXPECT_EQ(played.lists, stepped.lists);
    // Each message since the last Clear in the Messages list, under the line of its press.
    json listed = json::array();
    for (const std::string &line : played.messages)
        listed.push_back(line.substr(line.find(": ") + 2));
    EXPECT_EQ(listed, messages);
    EXPECT_FALSE(played.apply(played.page.stopPlaying()).contains("messageList"));

    // Handed on, the lesson opens as it was opened, at a place of it, exported or not.
    stepped.apply(stepped.page.press(Button::GenText, stepped.fields));
    const SharedLesson lesson = stepped.page.lesson();
    EXPECT_EQ(std::tie(lesson.bytes, lesson.csv, lesson.played),
              std::tuple(bytes, csv, reports.size()));
    DrawnPage linked;
    linked.apply(linked.page.start());
    linked.page.open(lesson.bytes, lesson.csv, lesson.columns);
    linked.apply(linked.page.startSession(linked.fields));
    const std::size_t half = reports.size() / 2;
    EXPECT_EQ(linked.apply(linked.page.play(linked.fields, 60000, 0, half))["session"]["played"],
              half);
    json atHalf = half ? reports[half - 1] : linked.reported();
    atHalf.erase("messages");
    EXPECT_EQ(linked.reported(), atHalf) << GetParam();
    // A press by hand beside the session makes what was done the lesson to hand on.
    stepped.apply(stepped.page.press(Button::Predict, stepped.fields));
    EXPECT_EQ(std::tuple(stepped.page.lesson().bytes, stepped.page.lesson().csv),
              std::tuple(stepped.page.saveSession(), false));

    // Saved, what was done opens to the same lists, each learner's, undone and redone presses
    // included.
    played.apply(played.page.showLearner(Learner::Textbook));
    for (DrawnPage *page : {&stepped, &played}) {
        const std::string text = page->page.saveSession();
        const std::vector<json> opened = std::get<0>(replayed(text, false));
        json shown = opened.empty() ? page->reported() : opened.back(), drawn = page->reported();
        for (json *report : {&shown, &drawn}) {
            for (const char *key : {"Text1", "Text2", "messages"})
                report->erase(key);
        }
        EXPECT_EQ(shown, drawn) << text;
    }
    played.page.open(bytes, csv); // opened again, its Messages start anew
    played.apply(played.page.startSession(played.fields));
    EXPECT_TRUE(played.messages.empty());
}

// Every example, every seed of the fuzzer and every input it once failed on.
INSTANTIATE_TEST_SUITE_P(
        Files, PageSessions, ::testing::ValuesIn([] {
            std::vector<std::string> files;
            for (const char *folder : {"../examples", "fuzz/corpus", "fuzz/regressions"}) {
                for (const auto &entry :
                     std::filesystem::directory_iterator(VSPACE_TEST_DIR "/" + std::string(folder)))
                    files.push_back(std::string(folder) + "/" + entry.path().filename().string());
            }
            return files;
        }()));

// A saved session replays to the lists shown after any history: presses undone and redone with
// suggestions and new names between them.
TEST(Page, SavedAsShownAfterUndoAndRedoOfOtherActions)
{
    const std::map<std::string, std::vector<std::string>>
            examples{{"A", {"s", "w", "n", "s", "w", "s"}},
                     {"B", {"r", "c", "h", "s", "w", "c"}},
                     {"C", {"a", "b", "c", "d", "e", "g"}}};
    for (const std::vector<std::string> &script :
         {std::vector<std::string>{"+A", "undo", "names", "undo", "redo"},
          {"+A", "-B", "+C", "undo", "suggest", "undo", "redo"},
          {"+A", "three", "undo", "names", "undo", "redo"}}) {
        DrawnPage drawn;
        drawn.apply(drawn.page.start());
        for (const std::string &step : script) {
            if (step[0] == '+' || step[0] == '-') {
                std::ranges::copy(examples.at(step.substr(1)), drawn.fields.texts.begin());
                drawn.apply(drawn.page.press(step[0] == '+' ? Button::Positive : Button::Negative,
                                             drawn.fields));
            } else if (step == "undo" || step == "redo") {
                drawn.apply(step == "undo" ? drawn.page.undo(drawn.fields)
                                           : drawn.page.redo(drawn.fields));
            } else if (step == "suggest") {
                drawn.apply(drawn.page.suggest(drawn.fields));
            } else {
                const AttributeNames names = step == "three" ? AttributeNames{"x", "y", "z"}
                                                             : AttributeNames(6, "n");
                drawn.apply(drawn.page.setAttributes(names, drawn.fields));
            }
        }
        // Nothing saved, when nothing is learnt: the lists as they start.
        const std::vector<json> opened = std::get<0>(replayed(drawn.page.saveSession(), false));
        const json shown = opened.empty() ? json{{"List1", {"?,?,?,?,?,?"}},
                                                 {"List2", {"0,0,0,0,0,0"}},
                                                 {"List3", json::array()},
                                                 {"List4", json::array()}}
                                          : opened.back();
        for (const char *list : {"List1", "List2", "List3", "List4"})
            EXPECT_EQ(shown[list], drawn.reported()[list]) << script.size();
    }
}

// The Undo button takes a played session back to before its first press, its messages with it;
// played again after the user's own presses, the session's messages are those of now. A file
// without presses is refused; Play to end leaves the focus be, and explains the last presses alone
// in the Steps, numbered as the presses are; a press is explained once.
TEST(Page, PlayedAgainAfterAnUndoTheMessagesAreNew)
{
    std::ifstream file(VSPACE_TEST_DIR "/fuzz/corpus/undo_clear_predict.jsonl", std::ios::binary);
    DrawnPage ended;
    ended.page.open({std::istreambuf_iterator<char>(file), {}}, false);
    ended.apply(ended.page.startSession(ended.fields));
    EXPECT_EQ(ended.apply(ended.page.play(ended.fields, 60000, 2))["steps"],
              json::parse(R"({"keep": 0, "add": [[15, "There is no version space to vote yet."], )"
                          R"([16, "Gen Text writes the version space to the hypothesis file."]]})"));
    DrawnPage drawn;
    EXPECT_TRUE(json::parse(drawn.page.open("\n", false)).contains("error"));
    EXPECT_EQ(json::parse(drawn.page.open(
                      R"({"attributes": ["A", "B", "C", "D", "E", "F"]})"
                      "\n"
                      R"({"Text1": ["a", "b", "c", "d", "e", "f"], "press": "Positive"})"
                      "\n"
                      R"({"Text2": ["a", "b", "c", "d", "e", "g"], "press": "Predict"})",
                      false)),
              json::parse(R"({"presses":2,"learnt":0})"));
    drawn.apply(drawn.page.startSession(drawn.fields));
    const json first = drawn.apply(drawn.page.play(drawn.fields, 60000, 0));
    EXPECT_TRUE(!first.contains("focus") && first.contains("differences"));
    drawn.apply(drawn.page.undo(drawn.fields));
    for (const auto &[button, last] : {std::pair(Button::Positive, "f"), {Button::Negative, "g"}}) {
        drawn.fields.texts = {"a", "b", "c", "d", "e", last, "", "", "", "", "", ""};
        EXPECT_EQ(drawn.apply(drawn.page.press(button, drawn.fields))["steps"]["add"].size(), 1u);
    }
    const json &end = drawn.apply(drawn.page.play(drawn.fields, 60000, 0));
    EXPECT_EQ(end["messageList"]["add"],
              json({"line 2: Data not correct: Duplicate Data",
                    "line 3: Result: Your Data is Negative ,Result is -"}));
}

// The Messages list holds the last 500 messages, headed by how many came before, played slice by
// slice or all at once; an undo takes the newest back and lists the one before the 500 again.
TEST(Page, MessagesListTheLastFiveHundred)
{
    std::string table;
    for (int row = 0; row < 1202; ++row)
        table += row % 2 ? "a,b,c,d,e,f,+\n" : "a,b,c,d,e,g" + std::to_string(row) + ",-\n";
    // The Messages list's size, its first message listed and what heads it; message m (from 0)
    // is that of line 2m + 4.
    const auto listed = [](const DrawnPage &drawn) {
        return std::to_string(drawn.messages.size()) + drawn.messages.at(0) + drawn.earlier;
    };
    const auto from = [](int m) {
        return "500line " + std::to_string(2 * m + 4) + ": Data not correct: Duplicate Data"
               + "Earlier messages, not listed here: " + std::to_string(m);
    };
    for (const double slice : {0.0, 60000.0}) {
        DrawnPage drawn;
        drawn.page.open(table, true);
        drawn.apply(drawn.page.startSession(drawn.fields));
        while (drawn.apply(drawn.page.play(drawn.fields, slice, 0))["session"]["left"] == true) {
        }
        EXPECT_EQ(listed(drawn), from(100)) << slice;
        drawn.apply(drawn.page.undo(drawn.fields));
        drawn.apply(drawn.page.undo(drawn.fields));
        EXPECT_EQ(listed(drawn), from(99)) << slice;
        drawn.apply(drawn.page.press(Button::Clear, drawn.fields));
        EXPECT_TRUE(drawn.messages.empty() && drawn.earlier.empty()) << slice;
    }
}

// The Steps keep both learners' sentences: switching shows those of the learner now shown, as a
// page that showed it from the start does, played or pressed, undo and redo included.
TEST(Page, SwitchingLearnersShowsTheirSteps)
{
    std::ifstream file(VSPACE_TEST_DIR "/../examples/enjoysport.csv", std::ios::binary);
    const std::string table{std::istreambuf_iterator<char>(file), {}};
    std::array<DrawnPage, 3> drawn; // the program's learner shown, the textbook's, switched
    drawn[1].page.showLearner(Learner::Textbook);
    for (DrawnPage &page : drawn) {
        page.page.open(table, true);
        page.apply(page.page.startSession(page.fields));
        page.apply(page.page.playNext(page.fields));
        page.apply(page.page.play(page.fields, 60000, 2));
        page.apply(page.page.undo(page.fields));
        page.apply(page.page.redo(page.fields));
        page.fields.texts = {"Rainy", "Cold", "High", "Strong", "Warm", "Change",
                             "",      "",     "",     "",       "",     ""};
        page.apply(page.page.press(Button::Negative, page.fields));
    }
    EXPECT_NE(drawn[0].steps, drawn[1].steps);
    for (const Learner learner : {Learner::Textbook, Learner::Program, Learner::Textbook}) {
        drawn[2].apply(drawn[2].page.showLearner(learner));
        EXPECT_EQ(drawn[2].steps, drawn[static_cast<std::size_t>(learner)].steps);
    }
}

// With exercises on, a training press waits for the student's S and G: a wrong answer is marked,
// explained and changes nothing; a right one, or Reveal, makes the press, counted in the history;
// an undo with an exercise open puts it away, its example not learnt.
TEST(Page, ExercisesWaitForTheAnswer)
{
    std::ifstream file(VSPACE_TEST_DIR "/../examples/enjoysport.csv", std::ios::binary);
    const std::string table{std::istreambuf_iterator<char>(file), {}};
    DrawnPage plain, student;
    plain.apply(plain.page.showLearner(Learner::Textbook));
    EXPECT_EQ(student.apply(student.page.setExercises(true))["learner"], "Textbook");
    for (DrawnPage *page : {&plain, &student}) {
        page->page.open(table, true);
        page->apply(page->page.startSession(page->fields));
    }
    const auto answered = [&] { return student.last["answered"].dump(); };
    const FieldTexts sunny{"Sunny", "Warm", "Normal", "Strong", "Warm", "Same"};
    const FieldTexts empty{"∅", "∅", "∅", "∅", "∅", "∅"}, any{"?", "?", "?", "?", "?", "?"};

    const json &opened = student.apply(student.page.playNext(student.fields));
    EXPECT_EQ(opened["exercise"]["specific"], json::array({empty}));
    EXPECT_EQ(opened["exercise"]["general"], json::array({any}));
    EXPECT_TRUE(student.lists["LearningData"].empty());
    const json &wrong = student.apply(student.page.check({empty}, {any}, student.fields));
    EXPECT_EQ(wrong["checked"]["specific"]["marks"], json::array({"wrong"}));
    EXPECT_EQ(wrong["checked"]["general"]["marks"], json::array({"right"}));
    EXPECT_EQ(wrong["checked"]["specific"]["missing"], 1);
    EXPECT_EQ(wrong["checked"]["counts"], "1 right, 1 wrong, 1 missing.");
    EXPECT_FALSE(wrong.contains("exercise"));
    EXPECT_EQ(wrong["session"]["played"], 0);

    plain.apply(plain.page.playNext(plain.fields));
    const json &right = student.apply(student.page.check({sunny}, {any}, student.fields));
    EXPECT_TRUE(right["checked"]["right"]);
    EXPECT_TRUE(right["exercise"].is_null() && !right.contains("focus"));
    EXPECT_EQ(student.reported(), plain.reported());
    EXPECT_EQ(student.steps, plain.steps);
    EXPECT_EQ(answered(), R"({"of":1,"right":1})");

    plain.apply(plain.page.playNext(plain.fields));
    student.apply(student.page.playNext(student.fields));
    student.apply(student.page.reveal(student.fields));
    EXPECT_EQ(student.reported(), plain.reported());
    EXPECT_EQ(answered(), R"({"of":2,"right":1})");

    EXPECT_TRUE(student.apply(student.page.playNext(student.fields)).contains("exercise"));
    const json &putAway = student.apply(student.page.undo(student.fields));
    EXPECT_TRUE(putAway["exercise"].is_null());
    EXPECT_EQ(putAway["announced"], "The exercise is put away: the example is not learnt.");
    EXPECT_EQ(putAway["session"]["played"], 2);
    student.apply(student.page.undo(student.fields));
    EXPECT_EQ(answered(), R"({"of":1,"right":1})");
    student.apply(student.page.redo(student.fields));
    EXPECT_EQ(answered(), R"({"of":2,"right":1})");

    // A press typed by hand, with the page's fields changed while the exercise is open.
    for (DrawnPage *page : {&plain, &student}) {
        std::copy_n(std::begin({"Rainy", "Cold", "High", "Strong", "Warm", "Same"}), 6,
                    page->fields.texts.begin());
        page->apply(page->page.press(Button::Negative, page->fields));
    }
    EXPECT_TRUE(student.last.contains("exercise"));
    student.fields.texts[0] = "Changed";
    student.apply(student.page.check({{"Sunny", "Warm", "?", "Strong", "Warm", "Same"}},
                                     {{"?", "Warm", "?", "?", "?", "?"},
                                      {"Sunny", "?", "?", "?", "?", "?"}},
                                     student.fields));
    EXPECT_EQ(student.reported(), plain.reported());
    EXPECT_EQ(answered(), R"({"of":3,"right":2})");
    // The diagram of the learner shown: the textbook's version space holds S and G.
    const std::string dot = plain.page.versionSpaceDot();
    const std::regex node("\n  h[0-9]+ \\[");
    EXPECT_EQ(std::distance(std::sregex_iterator(dot.begin(), dot.end(), node), {}),
              plain.lists["VersionSpace"].size());

    EXPECT_TRUE(student.apply(student.page.playNext(student.fields)).contains("exercise"));
    EXPECT_TRUE(student.apply(student.page.showLearner(Learner::Program))["exercise"].is_null());
    EXPECT_FALSE(student.apply(student.page.setExercises(false)).contains("exercise"));
    student.apply(student.page.playNext(student.fields));
    EXPECT_EQ(student.lists["LearningData"].size(), 4);
    EXPECT_NE(student.page.report("en").find("Rainy"), std::string::npos);
}

// Attributes… sets the count and the names: a fresh start at another count, new names alone keep
// the work; Undo takes either back. A session of another width opens at its width with its names;
// the page starts at the names it is given.
TEST(Page, AttributesSetTheWidthAndTheNames)
{
    DrawnPage drawn;
    drawn.apply(drawn.page.start());
    const json &three = drawn.apply(drawn.page.setAttributes({"Shape", "Colour", ""}, drawn.fields));
    EXPECT_EQ(three["attributes"], json({"Shape", "Colour", ""}));
    EXPECT_EQ(drawn.fields.texts.size(), 6u);
    drawn.fields.texts = {"square", "red", "big", "", "", ""};
    drawn.apply(drawn.page.press(Button::Positive, drawn.fields));
    drawn.fields.texts = {"circle", "red", "big", "", "", ""};
    drawn.apply(drawn.page.press(Button::Positive, drawn.fields));
    EXPECT_EQ(drawn.lists["Specific"], std::vector<std::string>{"?,red,big"});
    EXPECT_EQ(drawn.last["steps"]["add"][0][1],
              "Positive example circle,red,big. S becomes ?,red,big: Shape no longer matters. "
              "There is no version space yet.");
    drawn.fields.texts[3] = "typed";
    drawn.apply(drawn.page.setAttributes({"Form", "Colour", "Size"}, drawn.fields));
    EXPECT_EQ(drawn.lists["Specific"], std::vector<std::string>{"?,red,big"});
    EXPECT_EQ(drawn.apply(drawn.page.undo(drawn.fields))["attributes"][0], "Shape");
    EXPECT_EQ(drawn.fields.texts[3], "typed"); // as typed before the names were set
    for (int undo = 0; undo < 3; ++undo)
        drawn.apply(drawn.page.undo(drawn.fields));
    EXPECT_EQ(drawn.fields.texts.size(), 12u);
    EXPECT_EQ(drawn.last["attributes"], json(std::vector<std::string>(6)));
    EXPECT_EQ(drawn.apply(drawn.page.redo(drawn.fields))["fieldCount"], 3);

    drawn.page.open("Day,Sky,Wind,Play\nD1,Sunny,Strong,yes\n", true);
    EXPECT_EQ(drawn.apply(drawn.page.startSession(drawn.fields))["attributes"],
              json({"Sky", "Wind"}));
    EXPECT_EQ(drawn.apply(drawn.page.playNext(drawn.fields))["steps"]["add"][0][1],
              "D1: Positive example Sunny,Strong. S becomes the example. There is no version "
              "space yet.");
    EXPECT_EQ(drawn.lists["Specific"], std::vector<std::string>{"Sunny,Strong"});

    DrawnPage kept({"", "", "", "Wind"});
    EXPECT_EQ(kept.apply(kept.page.start())["attributes"], json({"", "", "", "Wind"}));
    EXPECT_EQ(kept.fields.texts.size(), 8u);
    EXPECT_EQ(kept.lists["Specific"], std::vector<std::string>{"0,0,0,0"});
}

// The page's controls hand over, in one update, what the form did to them since the last: a field's
// text as a field shows it (a line break as one sign, a byte that is no UTF-8 as U+FFFD), while
// the form reads the text it was given; rows added, and those kept when a list is cut.
TEST(PageControls, HandOverWhatTheFormDidOnce)
{
    PageControls controls({});
    const Field field{FieldRow::Unseen, 2};
    const std::string value = "a\r\nb\rc\nd\xFF\x80\xF0\x9F\x91\x8D";
    controls.setText(field, value);
    controls.setSelection(field, 1, 2);
    controls.setFocus(field);
    for (const char *row : {"x", "y"})
        controls.append(List::General, row);
    controls.setEnabled(Button::Negative, false);
    controls.messageBox("text", "title");
    EXPECT_EQ(controls.update(),
              R"({"lists":[{"list":"General","clear":false,"rows":["x","y"]}],"fields":[{"field":)"
              R"({"row":"Unseen","index":2},"text":"a⏎b⏎c⏎d��👍"}],"selection":{"field":{"row":)"
              R"("Unseen","index":2},"start":1,"length":2},"focus":{"field":{"row":"Unseen",)"
              R"("index":2}},"enabled":{"Negative":false},"messages":[{"title":"title","text":)"
              R"("text"}],"closed":false})");
    controls.takeFields({{"", "", "", "", "", "", "", "a⏎b⏎c⏎d��👍", "", "", "", ""}, "Command3"});
    EXPECT_EQ(controls.text(field), value);
    EXPECT_EQ(std::get<Button>(controls.focused()), Button::Predict);
    controls.truncate(List::General, 1);
    controls.append(List::General, "z");
    EXPECT_EQ(controls.update(),
              R"({"lists":[{"list":"General","clear":false,"keep":1,"rows":["z"]}],"fields":[],)"
              R"("enabled":{},"messages":[],"closed":false})");
    EXPECT_EQ(controls.update(),
              R"({"lists":[],"fields":[],"enabled":{},"messages":[],"closed":false})");
    // Nine fields a row: the page is told once, and its ninth unseen field read and focused.
    controls.setFieldCount(9);
    controls.setText({FieldRow::Training, 9}, "t");
    EXPECT_EQ(controls.update(), R"({"lists":[],"fieldCount":9,"fields":[{"field":{"row":)"
                                 R"("Training","index":9},"text":"t"}],"enabled":{},)"
                                 R"("messages":[],"closed":false})");
    std::vector<std::string> texts(18);
    texts[17] = "u";
    controls.takeFields({texts, "Text2_9"});
    EXPECT_EQ(controls.text({FieldRow::Unseen, 9}), "u");
    EXPECT_EQ(std::get<Field>(controls.focused()).index, 9);
}

// Enter in a field moves on to the next with its text, as the page has it, selected; Undo gives
// the focus back to the field it was in, the sixteenth training field included.
TEST(Page, EnterSelectsTheNextFieldsTextUndoGivesTheFocusBack)
{
    DrawnPage drawn;
    drawn.fields.texts[1] = "Warm";
    drawn.fields.texts[7] = "Sunny";
    EXPECT_EQ(drawn.apply(drawn.page.keyPress(FieldRow::Training, 1, kEnterKey,
                                              drawn.fields))["selection"]
                      .dump(),
              R"({"field":{"index":2,"row":"Training"},"length":4,"start":0})");
    EXPECT_EQ(drawn.apply(drawn.page.keyPress(FieldRow::Unseen, 6, kEnterKey,
                                              drawn.fields))["focus"]
                      .dump(),
              R"({"button":"Predict"})");
    DrawnPage wide(AttributeNames(16, "n"));
    wide.apply(wide.page.start());
    std::fill_n(wide.fields.texts.begin(), 16, "v");
    wide.fields.focus = "Text1_16";
    wide.apply(wide.page.press(Button::Positive, wide.fields));
    EXPECT_EQ(wide.apply(wide.page.undo(wide.fields))["focus"].dump(),
              R"({"field":{"index":16,"row":"Training"}})");
}

// A press that changes no list (Predict) draws none; an undo draws only what it changed. S and G
// put in place by hand, as benchmarks set up large lists: drawn, and Negative enabled.
TEST(Page, UpdatesDrawWhatChanged)
{
    DrawnPage drawn;
    drawn.fields.texts = {"a", "b", "c", "d", "e", "f", "a", "b", "c", "d", "e", "g"};
    EXPECT_FALSE(drawn.apply(drawn.page.press(Button::Positive, drawn.fields))["lists"].empty());
    EXPECT_TRUE(drawn.apply(drawn.page.press(Button::Predict, drawn.fields))["lists"].empty());
    // The last 16 actions undone, past the depth at which the example log is laid out anew: each
    // undo drops the last learning-data row and draws none again.
    for (int n = 2; n <= 40; ++n) {
        drawn.fields.texts[5] = std::to_string(n);
        drawn.apply(drawn.page.press(Button::Positive, drawn.fields));
    }
    for (std::size_t n = 40; n > 24; --n) {
        for (const json &change : drawn.apply(drawn.page.undo(drawn.fields))["lists"])
            EXPECT_TRUE(change["list"] != "LearningData" || change["keep"] == n - 1) << change;
    }
    DrawnPage set;
    set.apply(set.page.setBoundaries({"a", "b", "c", "d", "e", "f"},
                                     {{"a", "?", "?", "?", "?", "?"}}, 5));
    EXPECT_EQ(set.lists["General"], std::vector<std::string>{"a,?,?,?,?,?"});
    EXPECT_TRUE(set.negative);
    // A collapse: S's row marked where the program's learner moves it, none where the textbook's
    // empties S.
    for (const auto &[learner, marked] :
         {std::pair(Learner::Program, "[0]"), std::pair(Learner::Textbook, "[]")}) {
        DrawnPage page;
        page.apply(page.page.showLearner(learner));
        for (const std::string example : {"+abcdef", "-abcdeg", "+bbcdeg"}) {
            for (std::size_t a = 0; a < 6; ++a)
                page.fields.texts[a] = example.substr(a + 1, 1);
            page.apply(page.page.press(example[0] == '+' ? Button::Positive : Button::Negative,
                                       page.fields));
        }
        EXPECT_EQ(page.last["marks"]["Specific"].dump(), marked);
    }
}

// The control table as the page builds the window from it: each button, list and field by the
// role it plays, once.
TEST(PageControls, ControlTableNamesEachRoleOnce)
{
    std::multiset<std::string> roles;
    for (const json &control : json::parse(controlTableJson())) {
        for (const char *role : {"button", "list", "row"}) {
            if (control.contains(role))
                roles.insert(control[role].get<std::string>()
                             + control.value("index", json()).dump());
        }
    }
    std::multiset<std::string> expected{"Positivenull",    "Negativenull", "Predictnull",
                                        "GenTextnull",     "Exitnull",     "Clearnull",
                                        "Generalnull",     "Specificnull", "LearningDatanull",
                                        "VersionSpacenull"};
    for (int index = 1; index <= 6; ++index) {
        expected.insert("Training" + std::to_string(index));
        expected.insert("Unseen" + std::to_string(index));
    }
    EXPECT_EQ(roles, expected);
}

} // namespace
} // namespace vspace::testing
