#include "json_writer.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace vspace {

// The JSON library's serializer, writing into the writer's text: one string value, assigned each
// text in turn, keeps its storage, so a text costs no allocation once the longest has been seen.
struct JsonWriter::Escaper
{
    explicit Escaper(std::string &text)
        : serializer(nlohmann::detail::output_adapter<char>(text), ' ',
                     nlohmann::json::error_handler_t::replace)
    {}

    void write(std::string_view text)
    {
        value.get_ref<std::string &>().assign(text);
        serializer.dump(value, false, false, 0);
    }

    nlohmann::json value = std::string();
    nlohmann::detail::serializer<nlohmann::json> serializer;
};

JsonWriter::JsonWriter()
    : m_escaper(std::make_unique<Escaper>(m_text))
{}

JsonWriter::~JsonWriter() = default;

JsonWriter &JsonWriter::key(std::string_view name)
{
    string(name);
    m_text += ':';
    m_comma = false;
    return *this;
}

JsonWriter &JsonWriter::string(std::string_view text)
{
    separate();
    // Printable ASCII but the quote and the backslash stands as it is; anything else the library
    // escapes.
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
        return c >= 0x20 && c < 0x7f && c != '"' && c != '\\';
    });
    if (plain)
        m_text.append(1, '"').append(text).append(1, '"');
    else
        m_escaper->write(text);
    return *this;
}

JsonWriter &JsonWriter::boolean(bool value)
{
    separate();
    m_text += value ? "true" : "false";
    return *this;
}

JsonWriter &JsonWriter::null()
{
    separate();
    m_text += "null";
    return *this;
}

JsonWriter &JsonWriter::raw(std::string_view json)
{
    if (!json.empty()) {
        separate();
        m_text += json;
    }
    return *this;
}

std::string JsonWriter::take()
{
    std::string text = std::move(m_text);
    clear();
    return text;
}

void JsonWriter::clear()
{
    m_text.clear();
    m_comma = false;
}

JsonWriter &JsonWriter::open(char bracket)
{
    separate();
    m_text += bracket;
    m_comma = false;
    return *this;
}

JsonWriter &JsonWriter::close(char bracket)
{
    m_text += bracket;
    m_comma = true;
    return *this;
}

} // namespace vspace
