#include "examples.h"

namespace vspace {

const ExampleLog::Entries::value_type &ExampleLog::entry(std::size_t number) const
{
    const Segment *segment = m_segment.get();
    while (number <= segment->from)
        segment = segment->parent.get();
    return *segment->order[number - segment->from - 1];
}

Example ExampleLog::at(std::size_t number) const
{
    const Entries::value_type &found = entry(number);
    return {found.first, found.second.positive};
}

std::size_t ExampleLog::find(const Row &values) const
{
    std::size_t seen = m_count; // the examples of the segment this log sees
    for (const Segment *segment = m_segment.get(); segment; segment = segment->parent.get()) {
        const auto found = segment->entries.find(values);
        if (found != segment->entries.end() && found->second.number <= seen)
            return found->second.number;
        seen = segment->from;
    }
    return 0;
}

bool ExampleLog::extends(const ExampleLog &earlier) const
{
    // An example stands at one number only along a chain: the last one of `earlier` standing at
    // the same number here, as the same entry, means the same examples came first.
    return earlier.size() <= size()
           && (earlier.empty() || &entry(earlier.size()) == &earlier.entry(earlier.size()));
}

ExampleLog ExampleLog::with(const Row &values, bool positive) const
{
    ExampleLog longer;
    longer.m_count = m_count + 1;
    Segment *segment = m_segment.get();
    if (segment && m_count < segment->end()) {
        const Entries::value_type &next = *segment->order[m_count - segment->from];
        if (next.second.positive == positive && sameRow(next.first, values)) {
            longer.m_segment = m_segment; // the step done again: the example is there already
            return longer;
        }
    }
    if (segment && m_count == segment->end()) {
        longer.m_segment = m_segment;
    } else {
        longer.m_segment = vspace::Shared<Segment>::make();
        Segment &started = *longer.m_segment;
        if (segment && segment->depth < kMaxDepth) {
            started.parent = m_segment;
            started.from = m_count;
            started.depth = segment->depth + 1;
        } else {
            for (std::size_t number = 1; number <= m_count; ++number) {
                const Example example = at(number);
                started.order.push_back(
                        &*started.entries.emplace(example.values, Learnt{number, example.positive})
                                  .first);
            }
        }
    }
    Segment &last = *longer.m_segment;
    last.order.push_back(&*last.entries.emplace(values, Learnt{m_count + 1, positive}).first);
    return longer;
}

} // namespace vspace
