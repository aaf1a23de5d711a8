#pragma once

#include "controls.h"
#include "hypothesis.h"

#include <cstdint>
#include <optional>
#include <unordered_set>

namespace vspace {

class ExportFile;

// The whole learning state: the hypothesis tables and their counters.
struct EngineState
{
    HypothesisTable general;      // G, shown in the General list
    HypothesisTable specific;     // S, always row 1, shown in the Specific list
    HypothesisTable candidates;   // scratch rows of one enumeration
    HypothesisTable versionSpace; // shown in the Version Space list
    std::int16_t generalCount = 0;
    std::int16_t specificCount = 0;
    std::int16_t versionSpaceCount = 0; // 0 while there is no version space
    std::int16_t exampleCount = 0;      // 1 in the initial state, raised by every example learnt
    bool isPositive = false;            // label of the example being learnt

    bool operator==(const EngineState &) const = default;
};

// The candidate-elimination engine behind the main window. It reaches the window only through
// Controls, and takes a button press or a key press in an entry field as the window's user makes
// it: every front end sends presses here.
class Engine
{
public:
    static constexpr std::int16_t kMaxExampleCount = 32767;

    // Puts the engine into its initial state, as the window does when it opens: G the
    // all-"?" row, S the all-"0" row, Negative disabled. "Gen Text" writes to `exportFile`.
    Engine(Controls &controls, ExportFile &exportFile);

    // Presses `button`. A disabled button cannot be pressed: returns false and changes nothing.
    bool press(Button button);
    // A key typed into an entry field, as its character code: Enter moves on to the next field
    // with its text selected, and from the sixth field to the button that uses the instance.
    // The key itself is left to the field.
    void keyPress(Field field, int key);

    const EngineState &state() const { return m_state; }
    // Puts a hand-made state in place, for tests and tools that need one without the examples
    // that lead to it, and shows it: G, S and the version space redrawn from the tables, Negative
    // enabled once an example has been counted. The examples learnt, which the duplicate test
    // compares with, and the learning-data list stay as they were.
    void setState(const EngineState &state);

private:
    struct RowHash
    {
        std::size_t operator()(const Row &row) const noexcept;
    };

    void start();
    void clear();
    void train(bool positive);
    void predict();
    void exportVersionSpace();
    std::optional<Text> limitReached(bool positive, const Row &x);

    // The steps of a training press, in the order it takes them.
    void recordExample(const Row &x);
    void updateSpecific(const Row &x);
    void specialiseGeneral(const Row &x);
    void removeInconsistentGeneral(const Row &x);
    void pruneGeneral(const Row &x);
    void enumerateVersionSpace();
    void clearTraining();

    Row instance(FieldRow row) const;
    void selectAllAndFocus(Field field);
    void showMessage(Text text, Text title);

    Controls &m_controls;
    ExportFile &m_exportFile;
    EngineState m_state;
    // The six values of every example learnt since the last Clear.
    std::unordered_set<Row, RowHash> m_learnt;
    // Candidate rows of the enumeration the limit check runs before a step; kept between steps
    // so that no table is built on every press.
    HypothesisTable m_limitScratch;
};

} // namespace vspace
