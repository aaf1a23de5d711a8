#pragma once

#include "rows.h"

#include <cstddef>
#include <unordered_map>
#include <vector>

namespace vspace {

// A labelled example: an instance and whether it is positive.
struct Example
{
    const Row &values;
    bool positive;
};

// The examples learnt since the last Clear, in order, numbered from 1. It copies in constant time:
// copies share one log and each sees its own first examples of it, so that the states of a
// session kept to return to cost nothing for the examples they have in common. Adding to a copy
// that does not see the whole log (a state returned to) starts a log of its own.
class ExampleLog
{
public:
    std::size_t size() const { return m_count; }
    bool empty() const { return m_count == 0; }
    // Example `number`, 1 to size(); its values stay where they are for as long as the log.
    Example at(std::size_t number) const;
    // The number of the example learnt with these values, or 0 when none was.
    std::size_t find(const Row &values) const;
    // This log with the example `values`, `positive` or not, added at its end.
    ExampleLog with(const Row &values, bool positive) const;
    // True when this log holds `earlier`'s examples first, as a later state of the same session
    // does; not after Clear, nor for a state returned to.
    bool extends(const ExampleLog &earlier) const;

private:
    struct Learnt
    {
        std::size_t number;
        bool positive;
    };
    using Entries = std::unordered_map<Row, Learnt, RowHash>; // each values once: no duplicates
    struct Log
    {
        Entries entries;
        std::vector<const Entries::value_type *> order; // the entries in the order learnt
    };

    vspace::Shared<Log> m_shared;
    std::size_t m_count = 0;
};

} // namespace vspace
