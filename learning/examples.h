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

// The examples learnt since the last Clear, in order, numbered from 1. It copies in constant time,
// and so does adding to it: copies share the examples they have in common, so that the states of a
// session kept to return to cost nothing for them. A log is a chain of segments: adding to a copy
// that sees the whole of its last segment extends the segment; adding the example that comes next
// in it already (a step done again) shares it; adding another starts a new segment that goes on
// from the examples it sees.
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
    // does; not after Clear, nor for a state returned to that went on differently.
    bool extends(const ExampleLog &earlier) const;

private:
    struct Learnt
    {
        std::size_t number;
        bool positive;
    };
    using Entries = std::unordered_map<Row, Learnt, RowHash>; // each values once: no duplicates
    struct Segment
    {
        vspace::Shared<Segment> parent; // examples 1 to `from` are the parent's
        std::size_t from = 0;
        std::size_t depth = 0; // segments before it
        Entries entries;
        std::vector<const Entries::value_type *> order; // examples from + 1 on, in order
        std::size_t end() const { return from + order.size(); }
    };
    // A chain of segments longer than this is copied into one: a lookup never walks further.
    static constexpr std::size_t kMaxDepth = 32;

    const Entries::value_type &entry(std::size_t number) const;

    vspace::Shared<Segment> m_segment;
    std::size_t m_count = 0;
};

} // namespace vspace
