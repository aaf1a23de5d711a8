#pragma once

#include <cstddef>
#include <utility>

namespace vspace {

// A value shared by its copies, counted without atomic operations: the states of a session and
// their copies belong to one thread, and a training step copies several of them, so the count
// costs nothing a thread would not need. Null until given a value.
template<typename T>
class Shared
{
public:
    Shared() = default;
    template<typename... Args>
    static Shared make(Args &&...args)
    {
        Shared made;
        made.m_block = new Block{1, T(std::forward<Args>(args)...)};
        return made;
    }
    Shared(const Shared &other)
        : m_block(other.m_block)
    {
        if (m_block)
            ++m_block->count;
    }
    Shared(Shared &&other) noexcept
        : m_block(std::exchange(other.m_block, nullptr))
    {}
    Shared &operator=(Shared other) noexcept
    {
        std::swap(m_block, other.m_block);
        return *this;
    }
    ~Shared()
    {
        if (m_block && --m_block->count == 0)
            delete m_block;
    }

    T *get() const { return m_block ? &m_block->value : nullptr; }
    T &operator*() const { return m_block->value; }
    T *operator->() const { return &m_block->value; }
    explicit operator bool() const { return m_block != nullptr; }
    bool operator==(const Shared &other) const { return m_block == other.m_block; }

private:
    struct Block
    {
        std::size_t count;
        T value;
    };
    Block *m_block = nullptr;
};

} // namespace vspace
