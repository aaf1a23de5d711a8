// The spool where there are no files, as in the page: the text kept in memory, which never fails.

#include "spool.h"

#include <algorithm>

namespace vspace {

Spool::Spool(const std::string &)
    : m_file(nullptr, std::fclose)
{}

void Spool::write(std::string_view text)
{
    m_memory += text;
    m_size = m_memory.size();
}

void Spool::truncate(std::uint64_t size)
{
    m_memory.resize(std::min<std::uint64_t>(size, m_memory.size()));
    m_size = m_memory.size();
}

void Spool::copy(std::uint64_t from, std::uint64_t to,
                 const std::function<void(std::string_view)> &sink)
{
    to = std::min<std::uint64_t>(to, m_memory.size());
    if (from < to)
        sink(std::string_view(m_memory).substr(from, to - from));
}

} // namespace vspace
