#pragma once

#include "shared.h"
#include "value.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vspace {

inline constexpr int kAttributeCount = 6;

// "?": any value of the attribute is acceptable.
inline constexpr std::string_view kAnyValue = "?";
// "0": no value is acceptable; the initial content of the specific boundary.
inline constexpr std::string_view kNoValue = "0";

// Six attribute values, attribute a at index a - 1: an instance or a hypothesis.
using Row = std::array<Value, kAttributeCount>;

// Exact comparison of two values.
inline bool sameValue(const Value &x, const Value &y)
{
    return x == y;
}

// The row of six texts' values.
Row rowOf(const std::array<std::string, kAttributeCount> &texts);

// "?" and "0" as values, each held once.
const Value &anyValue();
const Value &noValue();

// Value-by-value comparison of two rows.
inline bool sameRow(const Row &x, const Row &y)
{
    for (std::size_t a = 0; a < x.size(); ++a) {
        if (!sameValue(x[a], y[a]))
            return false;
    }
    return true;
}

// The six values joined by single commas, as every list shows a row: "Sunny,Warm,?,Strong,?,?".
std::string rowText(const Row &row);

// A row as the learning data lists it: its text, then "+" or "-".
std::string learningDataEntry(const Row &row, bool positive);

// Six "?": the hypothesis that accepts every instance.
Row mostGeneralRow();
// Six "0": the hypothesis that accepts no instance.
Row mostSpecificRow();

// True when each of the six values is "?".
bool isMostGeneral(const Row &row);

// The acceptance test: every value of the hypothesis is "?" or equal to the instance's value.
bool accepts(const Row &hypothesis, const Row &instance);

// A hash of a row's six values.
struct RowHash
{
    std::size_t operator()(const Row &row) const noexcept;
};

// A list of rows that copies in constant time: its rows are shared, and never change once made.
// States kept to return to share every table they did not change.
class Rows
{
public:
    Rows() = default;
    explicit Rows(std::vector<Row> &&rows);
    explicit Rows(const std::vector<Row> &rows); // copies just the rows, with no room to spare

    const std::vector<Row> &all() const;
    std::size_t size() const { return m_rows ? m_rows->size() : 0; }
    bool empty() const { return size() == 0; }
    // Rows are numbered from 0 here; lists and messages count them from 1.
    const Row &operator[](std::size_t i) const { return all()[i]; }
    auto begin() const { return all().begin(); }
    auto end() const { return all().end(); }
    bool contains(const Row &row) const;

    bool operator==(const Rows &other) const;

private:
    Shared<const std::vector<Row>> m_rows;
};

} // namespace vspace
