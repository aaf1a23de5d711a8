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
    const std::string &at(int row, int attribute) const
    {
        checkBounds(row, attribute);
        return m_rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(attribute - 1)];
    }
    std::string &at(int row, int attribute)
    {
        checkBounds(row, attribute);
        return m_rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(attribute - 1)];
    }
    const Row &row(int row) const
    {
        checkBounds(row, 1);
        return m_rows[static_cast<std::size_t>(row - 1)];
    }
    Row &row(int row)
    {
        checkBounds(row, 1);
        return m_rows[static_cast<std::size_t>(row - 1)];
    }

    bool operator==(const HypothesisTable &) const = default;

private:
    static void checkBounds(int row, int attribute)
    {
        if (row < 1 || row > kTableRows || attribute < 1 || attribute > kAttributeCount)
            throwOutOfRange(row, attribute);
    }
    [[noreturn]] static void throwOutOfRange(int row, int attribute);

    std::array<Row, kTableRows> m_rows; // every cell starts as the empty string
};

// Exact comparison of two values, quick for the one-character values most rows hold.
inline bool sameValue(const std::string &x, const std::string &y)
{
    return x.size() == y.size()
           && (x.empty() || (x[0] == y[0] && (x.size() == 1 || x.compare(y) == 0)));
}

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

// True when each of the six values is "?": the hypothesis that accepts every instance.
bool isMostGeneral(const Row &row);

// The acceptance test: every value of the hypothesis is "?" or equal to the instance's value.
bool accepts(const Row &hypothesis, const Row &instance);

// The length of a UTF-8 text in UTF-16 code units, the unit in which entry fields count
// characters for their selection.
int utf16Length(std::string_view utf8);

} // namespace vspace
