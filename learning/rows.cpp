#include "rows.h"

#include <algorithm>
#include <functional>

namespace vspace {

namespace {

// The row's text followed by `suffix`, made in one allocation.
std::string joined(const Row &row, std::string_view suffix)
{
    std::size_t size = row.size() - 1 + suffix.size();
    for (const Value &value : row)
        size += value.size();
    std::string text(size, ',');
    char *at = text.data();
    for (const Value &value : row) {
        value.view().copy(at, value.size());
        at += value.size() + 1; // past the comma already there
    }
    suffix.copy(at - 1, suffix.size());
    return text;
}

} // namespace

std::string rowText(const Row &row)
{
    return joined(row, {});
}

std::string learningDataEntry(const Row &row, bool positive)
{
    return joined(row, positive ? ",+" : ",-");
}

Row rowOf(const std::vector<std::string> &texts)
{
    Row row(texts.size());
    for (std::size_t a = 0; a < row.size(); ++a)
        row[a] = texts[a];
    return row;
}

const Value &anyValue()
{
    static const Value any(kAnyValue);
    return any;
}

const Value &noValue()
{
    static const Value none(kNoValue);
    return none;
}

Row mostGeneralRow(std::size_t width)
{
    Row row(width);
    row.fill(anyValue());
    return row;
}

Row mostSpecificRow(std::size_t width)
{
    Row row(width);
    row.fill(noValue());
    return row;
}

bool isMostGeneral(const Row &row)
{
    return std::all_of(row.begin(), row.end(), [](const Value &v) { return v == kAnyValue; });
}

bool accepts(const Row &hypothesis, const Row &instance)
{
    for (std::size_t a = 0; a < hypothesis.size(); ++a) {
        if (hypothesis[a] != kAnyValue && !sameValue(hypothesis[a], instance[a]))
            return false;
    }
    return true;
}

std::size_t RowHash::operator()(const Row &row) const noexcept
{
    std::size_t seed = 0;
    for (const Value &value : row)
        seed ^= value.hash() + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
    return seed;
}

Rows::Rows(std::vector<Row> &&rows)
{
    rows.shrink_to_fit(); // kept for as long as a state that holds it: no room to spare
    m_rows = Shared<const std::vector<Row>>::make(std::move(rows));
}

Rows::Rows(const std::vector<Row> &rows)
    : m_rows(Shared<const std::vector<Row>>::make(rows))
{}

const std::vector<Row> &Rows::all() const
{
    static const std::vector<Row> none;
    return m_rows ? *m_rows : none;
}

bool Rows::contains(const Row &row) const
{
    return std::any_of(begin(), end(), [&](const Row &r) { return sameRow(r, row); });
}

bool Rows::operator==(const Rows &other) const
{
    return m_rows == other.m_rows
           || std::equal(begin(), end(), other.begin(), other.end(), sameRow);
}

} // namespace vspace
