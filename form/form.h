#pragma once

#include "controls.h"
#include "learner.h"

#include <optional>
#include <variant>

namespace vspace {

class ExportFile;

// What the last press did, besides what the controls show: for front ends that tell more than
// the window does (a step explained, a vote counted).
using PressOutcome = std::variant<std::monostate, StepRecord, Refusal, Prediction>;

// The main form: the controls of the window, and behind them the program's learner. A press of a
// button or a key in an entry field is worked out in three moves: the form reads the fields, asks
// the learner, then shows the outcome in one place (show): the lists drawn from the state, the
// message, the focus, the selection and the Negative button. Every front end sends presses here.
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
    const PressOutcome &lastOutcome() const { return m_outcome; }
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
    PressOutcome m_outcome;
};

} // namespace vspace
