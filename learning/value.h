#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>

namespace vspace {

// An attribute value: a text, compared exactly and never changed, that its copies share. A row
// copied into a table, a state kept to return to or an example learnt copies a pointer, so that a
// value of a megabyte is held once however many rows, states and examples hold it. Counted without
// atomic operations: the values of a session belong to one thread.
class Value
{
public:
    Value() = default; // the empty text
    Value(std::string_view text);
    Value(const std::string &text)
        : Value(std::string_view(text))
    {}
    Value(const char *text)
        : Value(std::string_view(text))
    {}
    Value(const Value &other) noexcept
        : m_block(other.m_block)
    {
        if (m_block)
            ++m_block->count;
    }
    Value(Value &&other) noexcept
        : m_block(std::exchange(other.m_block, nullptr))
    {}
    Value &operator=(const Value &other) noexcept
    {
        Value copy(other);
        std::swap(m_block, copy.m_block);
        return *this;
    }
    Value &operator=(Value &&other) noexcept
    {
        std::swap(m_block, other.m_block);
        return *this;
    }
    ~Value() { release(); }

    std::string_view view() const
    {
        return m_block ? std::string_view(m_block->text(), m_block->size) : std::string_view();
    }
    std::string str() const { return std::string(view()); }
    const char *data() const { return m_block ? m_block->text() : ""; }
    std::size_t size() const { return m_block ? m_block->size : 0; }
    bool empty() const { return size() == 0; }
    // A hash of the text, made once.
    std::size_t hash() const { return m_block ? m_block->hash : kEmptyHash; }
    // How many values share this one's text (0 for the empty text), for pools that let go of
    // texts no one else holds.
    std::size_t useCount() const { return m_block ? m_block->count : 0; }

    friend bool operator==(const Value &x, const Value &y)
    {
        return x.m_block == y.m_block
               || (x.hash() == y.hash() && x.size() == y.size() && x.view() == y.view());
    }
    friend bool operator==(const Value &x, std::string_view y) { return x.view() == y; }
    friend bool operator==(const Value &x, const std::string &y) { return x.view() == y; }
    friend bool operator==(const Value &x, const char *y) { return x.view() == y; }

private:
    struct Block
    {
        std::size_t count;
        std::size_t hash;
        std::size_t size;
        char *text() { return reinterpret_cast<char *>(this + 1); }
    };
    static const std::size_t kEmptyHash;

    void release() noexcept
    {
        if (m_block && --m_block->count == 0)
            destroy(m_block);
        m_block = nullptr;
    }
    static void destroy(Block *block) noexcept;

    Block *m_block = nullptr;
};

struct ValueHash
{
    using is_transparent = void;
    std::size_t operator()(const Value &value) const noexcept { return value.hash(); }
    std::size_t operator()(std::string_view text) const noexcept
    {
        return std::hash<std::string_view>{}(text);
    }
};

struct ValueEqual
{
    using is_transparent = void;
    bool operator()(const Value &x, const Value &y) const noexcept { return x == y; }
    bool operator()(const Value &x, std::string_view y) const noexcept { return x == y; }
    bool operator()(std::string_view x, const Value &y) const noexcept { return y == x; }
};

// The values read in from a front end, each text held once: the same text typed again is the
// value held already. Texts that no one holds any more are let go as the pool grows.
class ValuePool
{
public:
    Value operator()(std::string_view text);

private:
    std::unordered_set<Value, ValueHash, ValueEqual> m_values;
    std::size_t m_sweepAt = 1024;
};

} // namespace vspace
