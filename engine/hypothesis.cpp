#include "hypothesis.h"

#include <algorithm>
#include <stdexcept>

namespace vspace {

void HypothesisTable::throwOutOfRange(int row, int attribute)
{
    throw std::out_of_range("hypothesis table cell (" + std::to_string(row) + ", "
                            + std::to_string(attribute) + ") is outside the table");
}

std::string rowText(const Row &row)
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

bool isMostGeneral(const Row &row)
{
    return std::all_of(row.begin(), row.end(), [](const std::string &v) { return v == kAnyValue; });
}

bool accepts(const Row &hypothesis, const Row &instance)
{
    for (int a = 0; a < kAttributeCount; ++a) {
        if (hypothesis[a] != kAnyValue && !sameValue(hypothesis[a], instance[a]))
            return false;
    }
    return true;
}

int utf16Length(std::string_view utf8)
{
    int units = 0;
    for (unsigned char byte : utf8) {
        if ((byte & 0xC0) == 0x80)
            continue;                  // continuation byte
        units += byte >= 0xF0 ? 2 : 1; // four-byte sequences need a surrogate pair
    }
    return units;
}

} // namespace vspace
