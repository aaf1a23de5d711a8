#pragma once

#include "rows.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <unordered_map>

namespace vspace {

// A labelled example: an instance and whether it is positive.
struct Example
{
    Row values;
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
    // Example `number`, 1 to size().
    const Example &at(std::size_t number) const { return m_shared->examples[number - 1]; }
    // The number of the example learnt with these values, or 0 when none was.
    std::size_t find(const Row &values) const;
    // This log with `example` added at its end.
    ExampleLog with(Example example) const;

private:
    struct Shared
    {
        std::deque<Example> examples; // grows at its end: references stay valid
        std::unordered_map<Row, std::size_t, RowHash> numbers; // each values once: no duplicates
    };

    std::shared_ptr<Shared> m_shared;
    std::size_t m_count = 0;
};

} // namespace vspace
