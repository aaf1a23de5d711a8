#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vspace {

inline constexpr int kAttributeCount = 6;
inline constexpr int kTableRows = 30;

// "?": any value of the attribute is acceptable.
inline constexpr std::string_view kAnyValue = "?";
// "0": no value is acceptable; the initial content of the specific boundary.
inline constexpr std::string_view kNoValue = "0";

// Six attribute values, attribute a at index a - 1: an instance or a hypothesis.
using Row = std::array<std::string, kAttributeCount>;

// A fixed grid of 30 rows by 6 attributes, both numbered from 1. Every cell starts as the empty
// string and keeps its value until written again; how many rows are in use is counted apart.
// Every access is bounds-checked: outside rows 1-30 or attributes 1-6 it throws std::out_of_range.
class HypothesisTable
{
public:
    const std::string &at(int row, int attribute) const;
    std::string &at(int row, int attribute);
    const Row &row(int row) const;
    Row &row(int row);

    bool operator==(const HypothesisTable &) const = default;

private:
    std::array<Row, kTableRows> m_rows{};
};

// The six values joined by single commas, as every list shows a row: "Sunny,Warm,?,Strong,?,?".
std::string row_text(const Row &row);

// True when each of the six values is "?".
bool is_all_any(const Row &row);

// The acceptance test: every value of the hypothesis is "?" or equal to the instance's value.
bool accepts(const Row &hypothesis, const Row &instance);

// The length of a UTF-8 text in UTF-16 code units, the unit in which entry fields count
// characters for their selection.
int text_length(std::string_view utf8);

} // namespace vspace
