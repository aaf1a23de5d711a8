#pragma once

#include "controls.h"
#include "hypothesis.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>

namespace vspace {

class ExportFile;

// The whole learning state: the four hypothesis tables and their counters.
struct EngineState
{
    HypothesisTable general_hy;   // G, shown in List1
    HypothesisTable specific_hy;  // S, always row 1, shown in List2
    HypothesisTable candidate_hy; // scratch rows of one enumeration
    HypothesisTable space_hy;     // the version space, shown in List4
    std::int16_t general_count = 0;
    std::int16_t specific_count = 0;
    std::int16_t space_count = 0;
    std::int16_t example_count = 0; // 1 in the initial state, raised by every accepted example
    bool is_positive = false;       // label of the example being learnt

    bool operator==(const EngineState &) const = default;
};

// The procedures of the main window's code, over one EngineState, reaching the window only
// through Controls. Each event of the window calls one of the event procedures; the others are
// the steps they are made of, public so that a test can run one step on a state it has set up.
class Engine
{
public:
    static constexpr std::int16_t kMaxExampleCount = 32767;

    explicit Engine(Controls &controls);

    // Event procedures.
    void Form_Load();
    void Command1_Click(); // Positive
    void Command2_Click(); // Negative
    void Command3_Click(); // Predict
    void Command4_Click(ExportFile &file); // Gen Text
    void Command5_Click(); // &Exit
    void Command6_Click(); // &Clear
    void Text1_KeyPress(std::int16_t index, std::int16_t &key_code);
    void Text2_KeyPress(std::int16_t index, std::int16_t &key_code);

    // Steps of a training event.
    bool check_data();
    void return_string();
    void clear_text();
    void check_specific();
    void check_general();
    void remove_general();
    void union_hy();
    void re_hy(std::int16_t &candidate_count);
    // Step of a prediction.
    void predict();

    const EngineState &state() const { return m_state; }
    // Direct access for tests and tools that set up a state by hand; the learnt examples that
    // check_data compares with are not part of it.
    EngineState &state() { return m_state; }

private:
    struct RowHash
    {
        std::size_t operator()(const Row &row) const noexcept;
    };

    void train(bool positive);
    std::optional<std::string> limitReached(bool positive);
    // Drops the G rows inconsistent with the example `x` labelled as is_positive says.
    void pruneGeneral(const Row &x);
    Row instance(FieldArray array) const;
    void selectAllAndFocus(FieldArray array, int index);
    void keyPress(FieldArray array, ButtonId sixthFieldTarget, std::int16_t index,
                  std::int16_t key_code);

    Controls &m_controls;
    EngineState m_state;
    // The six values of every example learnt since the last Clear, beside List3.
    std::unordered_set<Row, RowHash> m_learnt;
    // Candidate rows of the enumeration the limit check runs before a step; kept between steps
    // so that no table is built on every press.
    HypothesisTable m_limitScratch;
};

} // namespace vspace
