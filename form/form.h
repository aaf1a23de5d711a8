#pragma once

#include "controls.h"
#include "learner.h"
#include "textbook.h"

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <variant>
#include <vector>

namespace vspace {

class ExportFile;

// What the last press did, besides what the controls show: for front ends that tell more than
// the window does (a step explained, a vote counted).
using PressOutcome = std::variant<std::monostate, StepRecord, Refusal, Prediction>;

// The two learners behind the form: the program's, which the window shows, and the textbook's.
enum class Learner { Program, Textbook };

// The texts of a row of fields, one for each attribute, as a session types them.
using FieldTexts = std::vector<std::string>;

// Where a front end stands beyond the form, kept with every action so that taking the action back
// goes back there too: the session open (a number its player gives each session; 0 for none), the
// session's next command and the presses of it played, how many Steps entries the front end has
// shown, the messages of the sessions it played (how many, and where the list shown starts), and
// the attributes' names in use (a number the front end gives each set of names; 0 for none), the
// presses made by hand beside the session, and the training steps worked out as exercises before
// they were shown, and how many of them were answered right.
struct Place
{
    std::uint32_t session = 0, next = 0, played = 0, steps = 0;
    std::uint32_t messagesFrom = 0, messages = 0;
    std::uint32_t names = 0;
    std::uint32_t ownPresses = 0; // made by hand since the session opened
    std::uint32_t answered = 0, answeredRight = 0;
    bool operator==(const Place &) const = default;
};

// The main form: the controls of the window, and behind them the program's learner and, beside
// it, the textbook learner; both learn every example, and an example the program's learner refuses
// is refused for both. A press of a button or a key in an entry field is worked out in three
// moves: the form reads the fields, asks the learners, then shows the outcome in one place (show):
// the lists drawn from the learner shown, the message, the focus, the selection and the Negative
// button. Every front end sends presses here.
//
// The form also keeps the one history of what was done, for undo and redo. Each action that
// changed something is an entry holding what taking it back and doing it again need: the fields,
// the Negative button, the focus and the front end's place before it (and after it, once undone),
// whether the rows the press before it added were marked, and the instance it learnt. The learners'
// states are not kept with each entry: every so many entries a checkpoint keeps them (and the last
// few are kept whole), and an undo learns the entries since the checkpoint again. So the history's
// memory grows with what the session holds, not with the number of actions times the size of the tables.
class Form
{
public:
    // Puts the learner into its initial state, as the window does when it opens: G the
    // all-"?" row, S the all-"0" row, Negative disabled. "Gen Text" writes to `exportFile`. The
    // instances have `width` attributes, and each row of fields as many fields.
    Form(Controls &controls, ExportFile &exportFile, std::size_t width = kAttributeCount);

    // Presses `button`. A disabled button cannot be pressed: returns false and changes nothing;
    // but a negative example pressed before the first positive is held by the textbook learner,
    // as an action that can be undone, and the last outcome of both learners says so.
    bool press(Button button);
    // Types values into a row of fields, as a session played in does: the undo of the next press
    // brings back the fields as they were before the typing.
    void type(FieldRow row, const FieldTexts &values);
    // A key typed into an entry field, as its character code: Enter moves on to the next field
    // with its text selected, and from the last field to the button that uses the instance.
    // The key itself is left to the field.
    void keyPress(Field field, int key);

    const LearningState &state() const { return m_state; }
    // The textbook learner's state. It is followed from the first time it is asked for (or
    // shown): until then, nothing spends time on it.
    const TextbookState &textbook() const;
    // What the last press did for a learner; for the learner shown when none is named.
    const PressOutcome &lastOutcome() const { return lastOutcome(m_shown); }
    const PressOutcome &lastOutcome(Learner learner) const;
    // The learner whose G, S and version space the lists show, whose vote Predict tells and whose
    // version space Gen Text writes: the program's unless another is chosen.
    Learner shownLearner() const { return m_shown; }
    void showLearner(Learner learner);
    // Puts a state in place, for tests and tools that need one without the examples that lead to
    // it, and shows it: G, S and the version space drawn from it, Negative enabled once an
    // example has been counted. The learning-data list stays as it was.
    void setState(const LearningState &state);

    // Undo and redo. Every action that changed what the form holds (a press that learnt an example
    // or emptied fields, Clear, and the actions below) can be undone whole: both learners, the
    // lists, the twelve fields, the Negative button, the focus and the front end's place as they
    // were before it, and the last press's outcome as it was then; redo does it again, and undoing
    // it once more brings back what the form showed before the redo. Undoing a refused duplicate
    // gives its typed values back. A new such action forgets what could be
    // redone. The last 32,766 actions are kept. Both return false, and change nothing else, when
    // there is nothing to undo or redo (for undo: nothing newer than the action named `after`);
    // either way the values typed before them are then what the fields show, and not part of the
    // next action.
    static constexpr std::size_t kMaxUndo = 32766;
    // A list shows at most this many rows, then a row that says how many more there are.
    static constexpr std::size_t kMaxListedRows = 10000;
    bool undo(std::uint64_t after = 0);
    bool redo();
    bool canRedo() const { return m_done < m_base + m_entries.size(); }
    // The number that names the action the next undo would undo (0 when there is none), and the
    // one that the last undo or redo undid or did again. Numbers only grow.
    std::uint64_t undoName() const { return m_done > m_oldest ? m_done : 0; }
    std::uint64_t lastHistoryName() const { return m_lastHistoryName; }
    // Types `values` into a row of fields, as one action that can be undone.
    void fill(FieldRow row, const Row &values);
    // Starts afresh as Clear does, as one action that can be undone even when nothing changed:
    // opening a session. Given a width, the instances from then on have that many attributes,
    // and each row that many fields; undoing the restart brings back the width before it.
    void restart(std::optional<std::size_t> width = std::nullopt);
    // The attributes of the instances: six, unless a restart gave another width.
    std::size_t width() const { return m_state.width(); }

    // A press that made what the form shows: its button, and the values it used (the training
    // fields' for Positive and Negative, the unseen fields' for Predict, none for Clear).
    struct PressMade
    {
        Button button;
        Row values;
    };
    // The presses of Positive, Negative, Predict and Clear since the last fresh start (restart())
    // that made what the form shows, in the order made: those undone are left out, and those
    // redone stand where they were done again.
    std::vector<PressMade> pressesMade() const;

    // The front end's place: kept with each action from now on, and brought back by undo and redo.
    const Place &place() const { return m_place; }
    void setPlace(const Place &place) { m_place = place; }
    // Moves the front end to `place` as one action that can be undone, the form left as it is.
    void movePlace(const Place &place);

private:
    // The fields' values of one row, shared by the entries that saw them unchanged.
    using SharedRow = Shared<const Row>;
    using FieldRows = std::array<SharedRow, 2>;
    enum class Action : std::uint8_t {
        LearnPositive,
        LearnNegative,
        RefuseDuplicate, // the fields emptied
        Clear,
        Restart,
        Fields, // the fields changed, nothing else
        Hold,   // a negative example before the first positive: held by the textbook learner
    };
    struct Entry
    {
        Action action;
        bool negativeBefore;
        bool markedBefore;      // the rows the entry before added were marked when it began
        bool markedAfter;       // its own rows were marked when it was undone
        FieldRows fieldsBefore; // what undoing it brings back
        FieldRows fieldsAt;     // as it found them: the instance it learnt; for Fields, after it
        FieldRows fieldsAfter;  // as they were when it was undone: what doing it again brings back
        std::uint8_t focusBefore, focusAfter; // as focusCode() gives them
        Place placeBefore, placeAfter;
        std::size_t made = kNotMade; // the press or fresh start that made it, in m_made
    };
    static constexpr std::size_t kNotMade = SIZE_MAX;
    // A press as made, or a fresh start (no button), between the history's numbers before and
    // after it.
    struct Made
    {
        std::optional<Button> button;
        SharedRow values;
        std::uint64_t before, after;
    };
    // A focus in a byte: 0 for none, then the fields of each row as far as the widest, then the six
    // buttons.
    static std::uint8_t focusCode(const Focus &focus);
    static Focus focusOf(std::uint8_t code);
    // The learners' states before an entry.
    struct Checkpoint
    {
        LearningState program;
        std::optional<TextbookState> textbook;
    };
    // Every so many entries a checkpoint.
    static constexpr std::size_t kCheckpointEvery = 64;
    // What the form held before the action being made: the fields before a session typed, and the
    // focus.
    struct Before
    {
        FieldRows fields;
        Focus focus;
        bool negative;
        bool marked;
        Checkpoint state;
        std::array<PressOutcome, 2> outcomes; // of the press before, for the marks
    };
    // The states before the newest entries, kept whole, so that undoing the last few costs no
    // learning again.
    struct Recent
    {
        std::uint64_t index;
        Checkpoint state;
        std::array<PressOutcome, 2> outcomes;
    };
    static constexpr std::size_t kRecentKept = 16;
    // What a press leaves on the form, shown in this order.
    struct Shown
    {
        std::optional<Text> message{}, title{};
        std::string messageText{}; // instead of `message`, a text already filled in
        bool clearAllFields = false;
        bool clearLearningData = false;
        bool drawGeneral = false, drawSpecific = false, drawVersionSpace = false;
        bool newExample = false; // the example the state learnt last
        std::optional<Field> selectAndFocus{};
        std::optional<Field> focusField{};
        std::optional<bool> negativeEnabled{};
        bool clearTraining = false;
    };

    void train(bool positive, Before &before);
    void hold(Before &before);
    void predict();
    void exportVersionSpace();
    void clear();
    void show(const Shown &shown);
    Row instance(FieldRow row);
    FieldRows fieldRows();
    Before before();
    void setTexts(FieldRow row, const Row &values);
    // Keeps the action just done as an entry, when it changed something or `always`; `at`: the
    // fields as it found them. The state and outcomes are taken from `before`.
    void remember(Action action, Before &before, const FieldRows &at, bool always = false);
    bool marked() const;
    // The fields an entry leaves.
    FieldRows fieldsLeft(const Entry &entry) const;
    // Learns the entry again: the state after it, from the state before.
    void replay(const Entry &entry, LearningState &program, std::optional<TextbookState> &textbook,
                std::array<PressOutcome, 2> *outcomes) const;
    // The learners' states before entry `index`, with the outcomes of the entry before it when
    // `outcomes` is given.
    Checkpoint rebuilt(std::uint64_t index, std::array<PressOutcome, 2> *outcomes) const;
    // Shows a state the history went to, its fields and the Negative button.
    void restore(Checkpoint state, const FieldRows &fields, bool negative, const Focus &focus);
    // Starts following the textbook learner, bringing it up to the program's examples.
    void followTextbook() const;
    // The textbook learner as it would be, had it been followed since the last Clear: the
    // negative examples held, then the examples `program` learnt; the record of the last.
    static TextbookState textbookOf(const LearningState &program, PressOutcome *last = nullptr);

    Controls &m_controls;
    ExportFile &m_exportFile;
    LearningState m_state;
    mutable std::optional<TextbookState> m_textbook; // while followed
    Learner m_shown = Learner::Program;
    mutable std::array<PressOutcome, 2> m_outcomes;
    ValuePool m_values;
    FieldRows m_fieldRows; // the rows last read from the fields, to share
    std::optional<Before> m_beforeTyping;
    Place m_place;
    Row m_predicted;          // the unseen instance Predict voted on last
    std::vector<Made> m_made; // every press and fresh start, undone ones too
    // Those that made what the form holds, each on those before it, and those undone that can be
    // redone, on top: by their place in m_made.
    std::vector<std::size_t> m_madePath;
    // Keeps a press or a fresh start made (or made again) on the path; returns its place.
    std::size_t keepMade(Made made);
    // The history: entries m_base to m_base + size - 1, by their index; those from m_oldest up to
    // m_done can be undone, those from m_done on redone. The checkpoint before entry i, for every
    // i a multiple of kCheckpointEvery from m_base on.
    std::deque<Entry> m_entries;
    std::deque<Checkpoint> m_checkpoints;
    std::deque<Recent> m_recent;
    std::uint64_t m_base = 0, m_oldest = 0, m_done = 0;
    std::uint64_t m_lastHistoryName = 0;
};

} // namespace vspace
