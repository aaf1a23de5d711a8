#include "replay_harness.h"

#include "csv_session.h"
#include "jsonl_reader.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sstream>

namespace vspace::testing {

namespace {

// True when `test` holds for one of the rows 1 to `count`.
bool anyRow(int count, const std::function<bool(int)> &test)
{
    int r = 1;
    while (r <= count && !test(r))
        ++r;
    return r <= count;
}

// The rows of a table as a list shows them, "(a row twice)" for a row that repeats another.
std::vector<std::string> rows(const HypothesisTable &table, int count)
{
    std::vector<std::string> texts;
    for (int r = 1; r <= count; ++r) {
        const bool repeated = anyRow(r - 1,
                                     [&](int q) { return sameRow(table.row(q), table.row(r)); });
        texts.push_back(repeated ? "(a row twice)" : rowText(table.row(r)));
    }
    return texts;
}

bool allAccept(const HypothesisTable &table, int count, const Row &x)
{
    return !anyRow(count, [&](int r) { return !accepts(table.row(r), x); });
}

// What must hold after every press: counters in range, the lists showing exactly the tables, G,
// S and the version space accepting the positives learnt since Clear, which are predicted
// positive, and a refused press changing nothing, typed values included.
std::string check(const EngineState &st, const MemoryControls &c, Button button,
                  const EngineState &before, const MemoryControls &was, std::vector<Row> &positives)
{
    const bool space = st.versionSpaceCount != 0;
    if (st.generalCount < 0 || st.generalCount > kTableRows || st.versionSpaceCount < 0
        || st.versionSpaceCount > kTableRows || st.specificCount != 1 || st.exampleCount < 1)
        return "a counter is out of range";
    if (c.rows(List::General) != rows(st.general, st.generalCount)
        || c.rows(List::Specific) != std::vector{rowText(st.specific.row(1))}
        || c.rows(List::LearningData).size() != static_cast<std::size_t>(st.exampleCount - 1)
        || c.rows(List::VersionSpace) != rows(st.versionSpace, st.versionSpaceCount))
        return "a list is not its table, each row once";
    const std::string title = c.messages().size() > was.messages().size()
                                      ? c.messages().back().title
                                      : "";
    const bool unchanged = st == before
                           && c.enabled(Button::Negative) == was.enabled(Button::Negative)
                           && c.rows(List::LearningData) == was.rows(List::LearningData)
                           && c.rows(List::VersionSpace) == was.rows(List::VersionSpace);
    const Row typed = was.values(FieldRow::Training);
    const bool training = button == Button::Positive || button == Button::Negative;
    if (title == "Data not correct" || title == "Cannot Learn") {
        if (!unchanged || (title == "Cannot Learn" && c.values(FieldRow::Training) != typed))
            return "a refused press changed the state or lost the typed values";
    } else if (training) {
        if (st.exampleCount != before.exampleCount + 1 || !c.enabled(Button::Negative)
            || c.rows(List::LearningData).back()
                       != rowText(typed) + (button == Button::Positive ? ",+" : ",-"))
            return "the learnt example was not counted and entered, or Negative stayed greyed";
        if (button == Button::Positive)
            positives.push_back(typed);
        if (button == Button::Negative
            && anyRow(st.generalCount, [&](int r) { return accepts(st.general.row(r), typed); }))
            return "a G row accepts the negative example just learnt";
    } else if (button == Button::Clear) {
        positives.clear();
        if (st.exampleCount != 1 || st.generalCount != 1 || space
            || c.values(FieldRow::Training) != Row{} || c.values(FieldRow::Unseen) != Row{}
            || c.enabled(Button::Negative))
            return "Clear did not restore the initial state";
    } else if (!unchanged) {
        return "a press that does not train changed the state";
    } else if (button == Button::Predict && space
               && std::count(positives.begin(), positives.end(), c.values(FieldRow::Unseen))
               && c.messages().back().text != "Your Data is Positive , Result is +") {
        return "a learnt positive example is not predicted positive";
    }
    for (const Row &x : positives) {
        if (!allAccept(st.general, st.generalCount, x) || !accepts(st.specific.row(1), x)
            || (space && !allAccept(st.versionSpace, st.versionSpaceCount, x)))
            return "a row of G, S or the version space rejects a learnt positive example";
    }
    return {};
}

} // namespace

std::string play_replay_input(std::string_view bytes)
{
    // The same bytes as JSON Lines and as a CSV table.
    for (const auto run : {runJsonLines, runCsvSession}) {
        std::istringstream in{std::string(bytes)};
        std::ostringstream out, err;
        MemoryFile file;
        ReplaySession session(file);
        EngineState before;
        MemoryControls was;
        std::vector<Row> positives; // learnt since the last Clear
        std::string broken;
        int presses = 0;
        session.setPressObserver([&](ReplaySession::Moment moment, Button button) {
            if (moment == ReplaySession::Moment::BeforePress)
                return void((before = session.engine().state(), was = session.controls()));
            ++presses;
            if (broken.empty()
                && !(broken = check(session.engine().state(), session.controls(), button, before,
                                    was, positives))
                            .empty())
                broken += " (press " + std::to_string(presses) + ")";
        });
        const int status = run(in, out, err, session);
        if (!broken.empty() || (status != 0 && status != 2))
            return broken.empty() ? "exit status " + std::to_string(status) : broken;
        if ((status == 2) != err.str().starts_with("vspace-replay: line "))
            return "bad input without a message naming its line, or a message without bad input";
    }
    return {};
}

} // namespace vspace::testing

#ifdef VSPACE_FUZZ_TARGET
// libFuzzer's entry: arbitrary bytes through the replay driver's input handling into the engine.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string broken = vspace::testing::play_replay_input(
            std::string_view(reinterpret_cast<const char *>(data), size));
    if (!broken.empty())
        std::fprintf(stderr, "replay_fuzz: %s\n", broken.c_str()), std::abort();
    return 0;
}
#endif
