#pragma once

#include "engine.h"
#include "memory_controls.h"

#include <string>
#include <vector>

namespace vspace::testing {

// Watches the presses of one session and checks, after each, what must always hold: counters in
// range, the lists showing exactly the tables, G and the version space agreeing with every
// example learnt since the last Clear, and a refused press changing nothing.
class InvariantChecker
{
public:
    void beforePress(const Engine &engine, const MemoryControls &controls, ButtonId button);
    // Returns what is broken, or an empty text.
    std::string afterPress(const Engine &engine, const MemoryControls &controls, ButtonId button);

    int presses() const { return m_presses; }
    const std::vector<Row> &positives() const { return m_positives; }

private:
    struct Before
    {
        EngineState state;
        std::array<std::vector<std::string>, 4> lists;
        std::array<std::string, 6> text1;
        std::array<std::string, 6> text2;
        bool negativeEnabled = false;
        std::size_t messages = 0;
    };

    Before m_before;
    std::vector<Row> m_positives; // learnt since the last Clear
    int m_presses = 0;
};

} // namespace vspace::testing
