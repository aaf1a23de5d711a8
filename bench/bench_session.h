#pragma once

#include "export_file.h"
#include "form.h"
#include "memory_controls.h"

#include <string>
#include <vector>

namespace vspace::testing {

using Values = MemoryControls::Values;

// An export that goes nowhere.
class NoFile : public ExportFile
{
public:
    std::string path() const override { return "(none)"; }
    std::optional<ExportFailure> replace(std::string_view) override { return std::nullopt; }
};

// A form over in-memory controls, as the window starts it, with short hands for typing and
// pressing.
struct TestSession
{
    MemoryControls controls;
    NoFile file;
    Form form{controls, file};

    void type(const Values &values, FieldRow row = FieldRow::Training)
    {
        for (int i = 1; i <= kFieldCount; ++i)
            controls.setText({row, i}, values[static_cast<std::size_t>(i - 1)]);
    }
    void press(Button button, const Values &values)
    {
        type(values, button == Button::Predict ? FieldRow::Unseen : FieldRow::Training);
        form.press(button);
    }
    // Puts S and the G rows in place by hand, as after `examples` examples.
    void setBoundaries(const Row &s, const std::vector<Row> &g, int examples)
    {
        LearningState state = form.state();
        state.specific = s;
        state.general = Rows(g);
        state.exampleCount = static_cast<std::int16_t>(examples);
        form.setState(state);
    }
};

// The row holding the value of `s` at the attributes of `mask` (bit a - 1 for attribute a) and
// "?" elsewhere.
inline Row subsetRow(unsigned mask, const Row &s)
{
    Row row;
    for (std::size_t a = 0; a < 6; ++a)
        row[a] = (mask >> a) & 1 ? s[a] : std::string("?");
    return row;
}

// Twenty-nine G rows over S = `s` (six values): the fifteen rows holding two of its values and
// fourteen of the fifteen holding four. The negative example that differs from S at attributes
// 1 to 5 adds the thirtieth row, and the version space stays within 30 rows.
inline std::vector<Row> twentyNineRows(const Row &s)
{
    std::vector<Row> g;
    std::vector<unsigned> quads;
    for (unsigned mask = 0; mask < 64; ++mask) {
        if (__builtin_popcount(mask) == 2)
            g.push_back(subsetRow(mask, s));
        if (__builtin_popcount(mask) == 4)
            quads.push_back(mask);
    }
    for (std::size_t i = 1; i < quads.size(); ++i) {
        if (i != 5)
            g.push_back(subsetRow(quads[i], s));
    }
    g.push_back(subsetRow(quads[5], s)); // its tail makes the thirtieth row a new one
    return g;
}

} // namespace vspace::testing
