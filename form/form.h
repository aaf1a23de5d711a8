#pragma once

#include "controls.h"
#include "learner.h"
#include "textbook.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <variant>

namespace vspace {

class ExportFile;

// What the last press did, besides what the controls show: for front ends that tell more than
// the window does (a step explained, a vote counted).
using PressOutcome = std::variant<std::monostate, StepRecord, Refusal, Prediction>;

// The two learners behind the form: the program's, which the window shows, and the textbook's.
enum class Learner { Program, Textbook };

// The main form: the controls of the window, and behind them the program's learner and, beside
// it, the textbook learner; both learn every example, and an example the program's learner refuses
// is refused for both. A press of a button or a key in an entry field is worked out in three
// moves: the form reads the fields, asks the learners, then shows the outcome in one place (show):
// the lists drawn from the learner shown, the message, the focus, the selection and the Negative
// button. Every front end sends presses here.
class Form
{
public:
    // Puts the learner into its initial state, as the window does when it opens: G the
    // all-"?" row, S the all-"0" row, Negative disabled. "Gen Text" writes to `exportFile`.
    Form(Controls &controls, ExportFile &exportFile);

    // Presses `button`. A disabled button cannot be pressed: returns false and changes nothing.
    bool press(Button button);
    // Types six values into a row of fields, as a session played in does: the undo of the next
    // press brings back the fields as they were before the typing.
    void type(FieldRow row, const Row &values);
    // A key typed into an entry field, as its character code: Enter moves on to the next field
    // with its text selected, and from the sixth field to the button that uses the instance.
    // The key itself is left to the field.
    void keyPress(Field field, int key);

    const LearningState &state() const { return m_state; }
    const TextbookState &textbook() const { return m_textbook; }
    // What the last press did for a learner; for the learner shown when none is named.
    const PressOutcome &lastOutcome() const { return lastOutcome(m_shown); }
    const PressOutcome &lastOutcome(Learner learner) const
    {
        return m_outcomes[static_cast<std::size_t>(learner)];
    }
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
    // lists, the twelve fields and the Negative button as they were before it; redo does it again.
    // A new such action forgets what could be redone. The last 32,766 actions are kept. Both return
    // false, and change nothing, when there is nothing to undo or redo.
    static constexpr std::size_t kMaxUndo = 32766;
    bool undo();
    bool redo();
    bool canRedo() const { return !m_redo.empty(); }
    // The number that names the action the next undo would undo (0 when there is none), and the
    // one that the last undo or redo undid or did again: front ends keep what they show beyond the
    // form under these numbers.
    std::uint64_t undoName() const { return m_undo.empty() ? 0 : m_undo.back().name; }
    std::uint64_t lastHistoryName() const { return m_lastHistoryName; }
    // Types `values` into a row of fields, as one action that can be undone.
    void fill(FieldRow row, const Row &values);
    // Starts afresh as Clear does, as one action that can be undone even when nothing changed:
    // opening a session.
    void restart();

private:
    // What an undo brings back.
    struct Snapshot
    {
        std::uint64_t name;
        LearningState program;
        TextbookState textbook;
        std::array<Row, 2> fields;
        bool negativeEnabled;
    };
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

    void train(bool positive);
    void predict();
    void exportVersionSpace();
    void clear();
    void show(const Shown &shown);
    Row instance(FieldRow row) const;
    Snapshot snapshot() const;
    void setTexts(FieldRow row, const Row &values);
    // Keeps `before` to undo to, when the action since changed something or `always`.
    void remember(Snapshot before, bool always = false);
    // Shows `snapshot`'s state and fields, and returns the state it replaced.
    Snapshot restore(Snapshot snapshot);

    Controls &m_controls;
    ExportFile &m_exportFile;
    LearningState m_state;
    TextbookState m_textbook;
    Learner m_shown = Learner::Program;
    std::array<PressOutcome, 2> m_outcomes;
    std::deque<Snapshot> m_undo, m_redo;
    std::optional<Snapshot> m_beforeTyping; // what the form held before a session typed
    std::uint64_t m_names = 0, m_lastHistoryName = 0;
};

} // namespace vspace
