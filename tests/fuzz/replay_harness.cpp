#include "replay_harness.h"

#include "csv_session.h"
#include "jsonl_reader.h"
#include "session_format.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

namespace vspace::testing {

namespace {

// What a refused press leaves as it was: the rows in use, the counters, Negative's state.
struct Snapshot
{
    std::vector<Row> g, space;
    Row s;
    std::size_t learnt;
    int examples;
    bool negativeEnabled;
    bool operator==(const Snapshot &) const = default;
};

Snapshot snapshot(const ReplaySession &session)
{
    const LearningState &st = session.form().state();
    const MemoryControls &c = session.controls();
    return {st.general.all(), st.versionSpace.all(),
            st.specific,      c.rows(List::LearningData).size(),
            st.exampleCount,  c.enabled(Button::Negative)};
}

// The rows as a list shows them, "(a row twice)" for a row that repeats another.
std::vector<std::string> shown(const std::vector<Row> &rows)
{
    std::vector<std::string> texts;
    for (auto row = rows.begin(); row != rows.end(); ++row) {
        const bool repeated = std::any_of(rows.begin(), row,
                                          [&](const Row &r) { return sameRow(r, *row); });
        texts.push_back(repeated ? "(a row twice)" : rowText(*row));
    }
    return texts;
}

bool allAccept(const std::vector<Row> &rows, const Row &x)
{
    return std::all_of(rows.begin(), rows.end(), [&](const Row &r) { return accepts(r, x); });
}

// What must hold after every press: counters in range, the lists showing exactly the tables, each
// row once, G, S and the version space accepting the positives learnt since Clear, which are
// predicted positive, and a refused press changing nothing, typed values included.
std::string check(const ReplaySession &session, std::optional<Button> button, const Snapshot &was,
                  const Row &typed)
{
    const LearningState &st = session.form().state();
    const MemoryControls &c = session.controls();
    const Snapshot now = snapshot(session);
    if (st.general.size() > kTableRows || st.versionSpace.size() > kTableRows || st.exampleCount < 1
        || st.examples.size() != static_cast<std::size_t>(st.exampleCount - 1))
        return "a counter is out of range";
    // The lists and votes checked are the program's learner's, when a session shows it.
    const bool program = session.form().shownLearner() == Learner::Program;
    if ((program
         && (c.rows(List::General) != shown(now.g) || c.rows(List::VersionSpace) != shown(now.space)
             || c.rows(List::Specific) != std::vector{rowText(now.s)}))
        || now.learnt != static_cast<std::size_t>(st.exampleCount - 1))
        return "a list is not its table, each row once";
    const std::string title = c.messages().empty() ? "" : c.messages().back().title;
    const bool unchanged = now == was;
    const Row unseen = rowOf(c.values(FieldRow::Unseen));
    const bool training = button == Button::Positive || button == Button::Negative;
    std::vector<Row> positives; // learnt since the last Clear
    for (std::size_t n = 1; n <= st.examples.size(); ++n) {
        if (st.examples.at(n).positive)
            positives.push_back(st.examples.at(n).values);
    }
    if (!button) {
        // An undo or redo: the lists above are the state's; the examples' checks follow.
    } else if (title == "Data not correct" || title == "Cannot Learn") {
        if (!unchanged || (title == "Cannot Learn" && rowOf(c.values(FieldRow::Training)) != typed))
            return "a refused press changed the state or lost the typed values";
    } else if (training) {
        if (now.examples != was.examples + 1 || !now.negativeEnabled
            || c.rows(List::LearningData).back()
                       != rowText(typed) + (button == Button::Positive ? ",+" : ",-"))
            return "the learnt example was not counted and entered, or Negative stayed greyed";
        if (c.focus() != "Text1_1"
            || c.selection({FieldRow::Training, 1}) != MemoryControls::Selection{0, 0})
            return "the first training field did not get the focus, with nothing selected";
        if (button == Button::Negative
            && std::any_of(now.g.begin(), now.g.end(),
                           [&](const Row &g) { return accepts(g, typed); }))
            return "a G row accepts the negative example just learnt";
    } else if (button == Button::Clear) {
        if (now.examples != 1 || now.g.size() != 1 || !now.space.empty()
            || rowOf(c.values(FieldRow::Training)) != Row(st.width()) || unseen != Row(st.width())
            || now.negativeEnabled)
            return "Clear did not restore the initial state";
    } else if (!unchanged) {
        return "a press that does not train changed the state";
    } else if (button == Button::Predict && program && !now.space.empty()
               && std::count(positives.begin(), positives.end(), unseen)
               && c.messages().back().text != "Your Data is Positive , Result is +") {
        return "a learnt positive example is not predicted positive";
    }
    for (const Row &x : positives) {
        if (!allAccept(now.g, x) || !accepts(now.s, x) || !allAccept(now.space, x))
            return "a row of G, S or the version space rejects a learnt positive example";
    }
    return {};
}

} // namespace

std::string playReplayInput(std::string_view bytes)
{
    // The same bytes as JSON Lines and as a CSV table.
    for (const bool csv : {false, true}) {
        TextInput in(bytes);
        std::ostringstream out, err;
        MemoryFile file;
        ReplaySession session(file);
        Snapshot before = snapshot(session);
        Row typed;
        std::string broken;
        int presses = 0;
        // An undo must bring back what the form showed before the action it undoes: before the
        // values typed since the action before it (a refused duplicate, an undo and a redo: with
        // them); a redo what it showed when the action was undone (typing since the undo kept):
        // kept, with the fields, by the action's number.
        const auto shownNow = [&session] {
            const MemoryControls &c = session.controls();
            return std::tuple(snapshot(session), c.rows(List::LearningData),
                              c.values(FieldRow::Training), c.values(FieldRow::Unseen));
        };
        std::map<std::uint64_t, decltype(shownNow())> shownBefore, shownAfter;
        decltype(shownNow()) was, atPress, wasAtPress;
        std::uint64_t last = 0;
        bool typing = false; // values typed since the last press, undo or redo
        session.addPressObserver([&](ReplaySession::Moment moment, std::optional<Button> button,
                                     std::string_view name) {
            const Form &form = session.form();
            if (moment == ReplaySession::Moment::BeforeTyping) {
                // A press ignored by the program's learner may still be an action: a negative
                // example held by the textbook learner, whose undo brings back the form before it.
                if (form.undoName() != last)
                    shownBefore[last = form.undoName()] = wasAtPress;
                if (!std::exchange(typing, true))
                    was = shownNow();
                return;
            }
            if (moment == ReplaySession::Moment::AfterIgnored)
                return;
            if (moment == ReplaySession::Moment::BeforePress)
                return void((typing = false, last = form.undoName(), before = snapshot(session),
                             atPress = shownNow(), wasAtPress = was,
                             typed = rowOf(session.controls().values(FieldRow::Training))));
            ++presses;
            if (broken.empty() && !(broken = check(session, button, before, typed)).empty())
                broken += " (press " + std::to_string(presses) + ")";
            if (form.undoName() == std::exchange(last, form.undoName()))
                return;
            const std::uint64_t action = button ? form.undoName() : form.lastHistoryName();
            const bool undone = !button && name == kUndoName;
            if (!button && broken.empty()
                && shownNow() != (undone ? shownBefore[action] : shownAfter[action]))
                broken = "an undo or redo did not bring back what the form showed (press "
                         + std::to_string(presses) + ")";
            const auto &messages = session.controls().messages();
            const bool duplicate = button && !messages.empty()
                                   && messages.back().title == "Data not correct";
            // An undo's redo gives back the fields as the undo found them, typing included.
            (undone ? shownAfter : shownBefore)[action] = duplicate || !button ? atPress : was;
        });
        const int status = csv ? runCsvSession(in, out, err, session)
                               : runJsonLines(in, out, err, session);
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
    const std::string broken = vspace::testing::playReplayInput(
            std::string_view(reinterpret_cast<const char *>(data), size));
    if (!broken.empty())
        std::fprintf(stderr, "replay_fuzz: %s\n", broken.c_str()), std::abort();
    return 0;
}
#endif
