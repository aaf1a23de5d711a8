#pragma once

#include "controls.h"
#include "learner.h"
#include "textbook.h"

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

private:
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

    Controls &m_controls;
    ExportFile &m_exportFile;
    LearningState m_state;
    TextbookState m_textbook;
    Learner m_shown = Learner::Program;
    std::array<PressOutcome, 2> m_outcomes;
};

} // namespace vspace
