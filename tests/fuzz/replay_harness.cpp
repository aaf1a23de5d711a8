#include "replay_harness.h"

#include "csv_session.h"
#include "replay_session.h"

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
        const bool repeated = anyRow(r - 1, [&](int q) { return same_row(table.row(q), table.row(r)); });
        texts.push_back(repeated ? "(a row twice)" : row_text(table.row(r)));
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
std::string check(const EngineState &st, const MemoryControls &c, ButtonId button, const EngineState &before,
                  const MemoryControls &was, std::vector<Row> &positives)
{
    const bool space = c.count(ListId::List4) != 0;
    if (st.general_count < 0 || st.general_count > kTableRows || st.space_count < 0 || st.space_count > kTableRows
        || st.specific_count != 1 || st.example_count < 1)
        return "a counter is out of range";
    if (c.items(ListId::List1) != rows(st.general_hy, st.general_count)
        || c.items(ListId::List2) != std::vector{row_text(st.specific_hy.row(1))}
        || c.count(ListId::List3) != st.example_count - 1
        || (space && c.items(ListId::List4) != rows(st.space_hy, st.space_count)))
        return "a list is not its table, each row once";
    const std::string title = c.messages().size() > was.messages().size() ? c.messages().back().title : "";
    const bool unchanged = st == before && c.enabled(ButtonId::Command2) == was.enabled(ButtonId::Command2)
                           && c.items(ListId::List3) == was.items(ListId::List3)
                           && c.items(ListId::List4) == was.items(ListId::List4);
    const Row typed = was.fields(FieldArray::Text1);
    const bool training = button == ButtonId::Command1 || button == ButtonId::Command2;
    if (title == "Data not correct" || title == "Cannot Learn") {
        if (!unchanged || (title == "Cannot Learn" && c.fields(FieldArray::Text1) != typed))
            return "a refused press changed the state or lost the typed values";
    } else if (training) {
        if (st.example_count != before.example_count + 1 || !c.enabled(ButtonId::Command2)
            || c.items(ListId::List3).back() != row_text(typed) + (button == ButtonId::Command1 ? ",+" : ",-"))
            return "the learnt example was not counted and entered, or Negative stayed greyed";
        if (button == ButtonId::Command1)
            positives.push_back(typed);
        if (button == ButtonId::Command2 && anyRow(st.general_count, [&](int r) { return accepts(st.general_hy.row(r), typed); }))
            return "a G row accepts the negative example just learnt";
    } else if (button == ButtonId::Command6) {
        positives.clear();
        if (st.example_count != 1 || st.general_count != 1 || c.count(ListId::List4) || c.fields(FieldArray::Text1) != Row{}
            || c.fields(FieldArray::Text2) != Row{} || c.enabled(ButtonId::Command2))
            return "Clear did not restore the initial state";
    } else if (!unchanged) {
        return "a press that does not train changed the state";
    } else if (button == ButtonId::Command3 && space && std::count(positives.begin(), positives.end(), c.fields(FieldArray::Text2))
               && c.messages().back().text != "Your Data is Positive , Result is +") {
        return "a learnt positive example is not predicted positive";
    }
    for (const Row &x : positives) {
        if (!allAccept(st.general_hy, st.general_count, x) || !accepts(st.specific_hy.row(1), x)
            || (space && !allAccept(st.space_hy, st.space_count, x)))
            return "a row of G, S or the version space rejects a learnt positive example";
    }
    return {};
}

} // namespace

std::string play_replay_input(std::string_view bytes)
{
    // The same bytes as JSON Lines and as a CSV table.
    for (const auto run : {run_replay, run_csv_replay}) {
        std::istringstream in{std::string(bytes)};
        std::ostringstream out, err;
        MemoryFile file;
        ReplaySession session(file);
        EngineState before;
        MemoryControls was;
        std::vector<Row> positives; // learnt since the last Clear
        std::string broken;
        int presses = 0;
        session.setPressObserver([&](ReplaySession::Moment moment, ButtonId button) {
            if (moment == ReplaySession::Moment::BeforePress)
                return void((before = session.engine().state(), was = session.controls()));
            ++presses;
            if (broken.empty() && !(broken = check(session.engine().state(), session.controls(), button, before, was, positives)).empty())
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
    const std::string broken = vspace::testing::play_replay_input(std::string_view(reinterpret_cast<const char *>(data), size));
    if (!broken.empty())
        std::fprintf(stderr, "replay_fuzz: %s\n", broken.c_str()), std::abort();
    return 0;
}
#endif
