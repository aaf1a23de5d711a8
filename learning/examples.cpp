#include "examples.h"

namespace vspace {

std::size_t ExampleLog::find(const Row &values) const
{
    if (!m_shared)
        return 0;
    const auto found = m_shared->numbers.find(values);
    return found != m_shared->numbers.end() && found->second <= m_count ? found->second : 0;
}

ExampleLog ExampleLog::with(Example example) const
{
    ExampleLog longer;
    if (m_shared && m_shared->examples.size() == m_count) {
        // This copy sees the whole log: the others see fewer examples, and go on seeing them.
        longer.m_shared = m_shared;
    } else {
        longer.m_shared = std::make_shared<Shared>();
        for (std::size_t number = 1; number <= m_count; ++number) {
            longer.m_shared->examples.push_back(at(number));
            longer.m_shared->numbers.emplace(at(number).values, number);
        }
    }
    longer.m_shared->numbers.emplace(example.values, m_count + 1);
    longer.m_shared->examples.push_back(std::move(example));
    longer.m_count = m_count + 1;
    return longer;
}

} // namespace vspace
