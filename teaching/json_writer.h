#pragma once

#include <charconv>
#include <concepts>
#include <memory>
#include <string>
#include <string_view>

namespace vspace {

// A JSON text written as it goes, straight into one string: the members of an object or the
// values of an array one after another, the commas between them put in by the writer, which
// trusts its caller to nest them. Texts are taken as UTF-8 and escaped as the JSON library
// escapes them (\" \\ \b \f \n \r \t, other control characters as \u00xx, the rest as it is), an
// ill-formed byte written as U+FFFD.
class JsonWriter
{
public:
    JsonWriter();
    ~JsonWriter();
    JsonWriter(const JsonWriter &) = delete;
    JsonWriter &operator=(const JsonWriter &) = delete;

    JsonWriter &beginObject() { return open('{'); }
    JsonWriter &endObject() { return close('}'); }
    JsonWriter &beginArray() { return open('['); }
    JsonWriter &endArray() { return close(']'); }
    // A member's name; its value comes next.
    JsonWriter &key(std::string_view name);
    JsonWriter &string(std::string_view text);
    template<std::integral Number>
    requires(!std::same_as<Number, bool>) JsonWriter &number(Number number)
    {
        char digits[24];
        separate();
        m_text.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
        return *this;
    }
    JsonWriter &boolean(bool value);
    JsonWriter &null();
    // JSON written before, put in as it is: a value, or values or members with commas between
    // them. An empty text puts in nothing.
    JsonWriter &raw(std::string_view json);

    const std::string &text() const { return m_text; }
    // The text written, leaving the writer empty.
    std::string take();
    void clear();

private:
    struct Escaper;

    void separate()
    {
        if (m_comma)
            m_text += ',';
        m_comma = true;
    }
    JsonWriter &open(char bracket);
    JsonWriter &close(char bracket);

    std::string m_text;
    bool m_comma = false; // a value or member came last: the next is after a comma
    std::unique_ptr<Escaper> m_escaper;
};

} // namespace vspace
