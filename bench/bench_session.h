#pragma once

#include "engine.h"
#include "memory_controls.h"

#include <string>
#include <vector>

namespace vspace::testing {

using Values = std::array<std::string, 6>;

// An engine over in-memory controls after the window's load event, with short hands for
// typing and pressing.
struct TestSession
{
    MemoryControls controls;
    Engine engine{controls};

    TestSession() { engine.Form_Load(); }

    void type(const Values &values, FieldArray array = FieldArray::Text1)
    {
        for (int i = 1; i <= 6; ++i)
            controls.setText(array, i, values[static_cast<std::size_t>(i - 1)]);
    }
    void positive(const Values &values)
    {
        type(values);
        engine.Command1_Click();
    }
    void negative(const Values &values)
    {
        type(values);
        engine.Command2_Click();
    }
    void predict(const Values &values)
    {
        type(values, FieldArray::Text2);
        engine.Command3_Click();
    }
    const std::vector<std::string> &list(ListId id) const { return controls.items(id); }

    // Puts S and the G rows in place by hand and redraws List1 and List2 as the engine would.
    void setBoundaries(const Row &s, const std::vector<Row> &g)
    {
        EngineState &state = engine.state();
        state.specific_hy.row(1) = s;
        state.general_count = static_cast<std::int16_t>(g.size());
        for (std::size_t i = 0; i < g.size(); ++i)
            state.general_hy.row(static_cast<int>(i) + 1) = g[i];
        controls.clear(ListId::List1);
        for (const Row &row : g)
            controls.append(ListId::List1, row_text(row));
        controls.clear(ListId::List2);
        controls.append(ListId::List2, row_text(s));
    }
};

// The row holding the value of `s` at the attributes of `mask` (bit a - 1 for attribute a) and
// "?" elsewhere.
inline Row subset_row(unsigned mask, const Row &s)
{
    Row row;
    for (std::size_t a = 0; a < 6; ++a)
        row[a] = (mask >> a) & 1 ? s[a] : std::string("?");
    return row;
}

// Twenty-nine G rows over S = `s` (six values): the fifteen rows holding two of its values and
// fourteen of the fifteen holding four. The negative example that differs from S at attributes
// 1 to 5 adds the thirtieth row, and the version space stays within 30 rows.
inline std::vector<Row> twenty_nine_rows(const Row &s)
{
    std::vector<Row> g;
    std::vector<unsigned> quads;
    for (unsigned mask = 0; mask < 64; ++mask) {
        if (__builtin_popcount(mask) == 2)
            g.push_back(subset_row(mask, s));
        if (__builtin_popcount(mask) == 4)
            quads.push_back(mask);
    }
    for (std::size_t i = 1; i < quads.size(); ++i) {
        if (i != 5)
            g.push_back(subset_row(quads[i], s));
    }
    g.push_back(subset_row(quads[5], s)); // its tail makes the thirtieth row a new one
    return g;
}

} // namespace vspace::testing
