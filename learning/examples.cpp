#include "examples.h"

namespace vspace {

Example ExampleLog::at(std::size_t number) const
{
    const Entries::value_type &entry = *m_shared->order[number - 1];
    return {entry.first, entry.second.positive};
}

std::size_t ExampleLog::find(const Row &values) const
{
    if (!m_shared)
        return 0;
    const auto found = m_shared->entries.find(values);
    return found != m_shared->entries.end() && found->second.number <= m_count
                   ? found->second.number
                   : 0;
}

bool ExampleLog::extends(const ExampleLog &earlier) const
{
    // Within one log, an example stands at one number only: the last one of `earlier` standing
    // at the same number here means the same examples came first.
    return earlier.size() <= size()
           && (earlier.empty() || find(earlier.at(earlier.size()).values) == earlier.size());
}

ExampleLog ExampleLog::with(const Row &values, bool positive) const
{
    ExampleLog longer;
    if (m_shared && m_shared->order.size() == m_count) {
        // This copy sees the whole log: the others see fewer examples, and go on seeing them.
        longer.m_shared = m_shared;
    } else {
        longer.m_shared = vspace::Shared<Log>::make();
        for (std::size_t number = 1; number <= m_count; ++number) {
            const Example example = at(number);
            longer.m_shared->order.push_back(
                    &*longer.m_shared->entries
                              .emplace(example.values, Learnt{number, example.positive})
                              .first);
        }
    }
    const auto added = longer.m_shared->entries.emplace(values, Learnt{m_count + 1, positive});
    longer.m_shared->order.push_back(&*added.first);
    longer.m_count = m_count + 1;
    return longer;
}

} // namespace vspace
