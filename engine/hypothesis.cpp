#include "hypothesis.h"

#include <algorithm>
#include <stdexcept>

namespace vspace {

namespace {

void checkBounds(int row, int attribute)
{
    if (row < 1 || row > kTableRows || attribute < 1 || attribute > kAttributeCount)
        throw std::out_of_range("hypothesis table cell (" + std::to_string(row) + ", "
                                + std::to_string(attribute) + ") is outside the table");
}

} // namespace

const std::string &HypothesisTable::at(int row, int attribute) const
{
    checkBounds(row, attribute);
    return m_rows[row - 1][attribute - 1];
}

std::string &HypothesisTable::at(int row, int attribute)
{
    checkBounds(row, attribute);
    return m_rows[row - 1][attribute - 1];
}

const Row &HypothesisTable::row(int row) const
{
    checkBounds(row, 1);
    return m_rows[row - 1];
}

Row &HypothesisTable::row(int row)
{
    checkBounds(row, 1);
    return m_rows[row - 1];
}

std::string row_text(const Row &row)
{
    std::size_t size = kAttributeCount - 1;
    for (const std::string &value : row)
        size += value.size();
    std::string text;
    text.reserve(size);
    for (int a = 0; a < kAttributeCount; ++a) {
        if (a > 0)
            text += ',';
        text += row[a];
    }
    return text;
}

bool is_all_any(const Row &row)
{
    return std::all_of(row.begin(), row.end(), [](const std::string &v) { return v == kAnyValue; });
}

bool accepts(const Row &hypothesis, const Row &instance)
{
    for (int a = 0; a < kAttributeCount; ++a) {
        if (hypothesis[a] != kAnyValue && hypothesis[a] != instance[a])
            return false;
    }
    return true;
}

int text_length(std::string_view utf8)
{
    int units = 0;
    for (unsigned char byte : utf8) {
        if ((byte & 0xC0) == 0x80)
            continue; // continuation byte
        units += byte >= 0xF0 ? 2 : 1; // four-byte sequences need a surrogate pair
    }
    return units;
}

} // namespace vspace
