#include "value.h"

#include <cstring>
#include <new>

namespace vspace {

const std::size_t Value::kEmptyHash = std::hash<std::string_view>{}({});

Value::Value(std::string_view text)
{
    if (text.empty())
        return;
    void *memory = ::operator new(sizeof(Block) + text.size());
    m_block = new (memory) Block{1, std::hash<std::string_view>{}(text), text.size()};
    std::memcpy(m_block->text(), text.data(), text.size());
}

void Value::destroy(Block *block) noexcept
{
    block->~Block();
    ::operator delete(block);
}

Value ValuePool::operator()(std::string_view text)
{
    if (text.empty())
        return {};
    if (const auto found = m_values.find(text); found != m_values.end())
        return *found;
    if (m_values.size() >= m_sweepAt) {
        std::erase_if(m_values, [](const Value &value) { return value.useCount() == 1; });
        m_sweepAt = 2 * m_values.size() + 1024;
    }
    return *m_values.emplace(text).first;
}

} // namespace vspace
