#pragma once

#include "shared.h"
#include "value.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vspace {

// The attributes of an instance in the window, and of a session that does not say: six.
inline constexpr int kAttributeCount = 6;
// A session's instances have 1 to 16 attributes.
inline constexpr int kMaxAttributes = 16;

// "?": any value of the attribute is acceptable.
inline constexpr std::string_view kAnyValue = "?";
// "0": no value is acceptable; the initial content of the specific boundary.
inline constexpr std::string_view kNoValue = "0";

// The values of an instance or a hypothesis, attribute a at index a - 1: six unless made with
// another width, at most 16. Held in place, with no allocation of its own; only the values in use
// are ever made, copied or let go.
class Row
{
public:
    Row()
        : Row(kAttributeCount)
    {}
    explicit Row(std::size_t width)
        : m_width(static_cast<std::uint8_t>(width))
    {
        std::uninitialized_value_construct_n(m_values, width);
    }
    Row(std::initializer_list<Value> values)
        : m_width(static_cast<std::uint8_t>(values.size()))
    {
        std::uninitialized_copy(values.begin(), values.end(), m_values);
    }
    Row(const Row &other) noexcept
        : m_width(other.m_width)
    {
        std::uninitialized_copy(other.begin(), other.end(), m_values);
    }
    Row(Row &&other) noexcept
        : m_width(other.m_width)
    {
        std::uninitialized_move(other.begin(), other.end(), m_values);
    }
    Row &operator=(const Row &other) noexcept
    {
        if (this != &other) {
            std::destroy(begin(), end());
            m_width = other.m_width;
            std::uninitialized_copy(other.begin(), other.end(), m_values);
        }
        return *this;
    }
    Row &operator=(Row &&other) noexcept
    {
        if (this != &other) {
            std::destroy(begin(), end());
            m_width = other.m_width;
            std::uninitialized_move(other.begin(), other.end(), m_values);
        }
        return *this;
    }
    ~Row() { std::destroy(begin(), end()); }

    std::size_t size() const { return m_width; }
    Value &operator[](std::size_t a) { return m_values[a]; }
    const Value &operator[](std::size_t a) const { return m_values[a]; }
    Value *begin() { return m_values; }
    Value *end() { return m_values + m_width; }
    const Value *begin() const { return m_values; }
    const Value *end() const { return m_values + m_width; }
    void fill(const Value &value) { std::fill(begin(), end(), value); }

    friend bool operator==(const Row &x, const Row &y)
    {
        return std::equal(x.begin(), x.end(), y.begin(), y.end());
    }

private:
    union
    { // the first m_width made
        Value m_values[kMaxAttributes];
    };
    std::uint8_t m_width;
};

// Exact comparison of two values.
inline bool sameValue(const Value &x, const Value &y)
{
    return x == y;
}

// The row of texts' values, one for each attribute.
Row rowOf(const std::vector<std::string> &texts);

// "?" and "0" as values, each held once.
const Value &anyValue();
const Value &noValue();

// Value-by-value comparison of two rows.
inline bool sameRow(const Row &x, const Row &y)
{
    return x == y;
}

// The values joined by single commas, as every list shows a row: "Sunny,Warm,?,Strong,?,?".
std::string rowText(const Row &row);

// A row as the learning data lists it: its text, then "+" or "-".
std::string learningDataEntry(const Row &row, bool positive);

// All "?": the hypothesis that accepts every instance.
Row mostGeneralRow(std::size_t width);
// All "0": the hypothesis that accepts no instance.
Row mostSpecificRow(std::size_t width);

// True when each value is "?".
bool isMostGeneral(const Row &row);

// The acceptance test: every value of the hypothesis is "?" or equal to the instance's value.
bool accepts(const Row &hypothesis, const Row &instance);

// A hash of a row's values.
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
