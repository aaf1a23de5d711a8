#pragma once

#include "explanation.h"
#include "text_catalog.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace vspace {

// `text` as HTML holds it, in an element or an attribute's value.
inline std::string escapedHtml(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// A text of the catalog in `phrase`'s language as HTML holds it, with %1 to %9 replaced by
// `arguments`, which are HTML already.
inline std::string textHtml(const Phrase &phrase, Text text,
                            std::initializer_list<std::string_view> arguments = {})
{
    return format(escapedHtml(phrase(text)), arguments);
}

// The catalog's own English, as a phrase.
inline Phrase englishPhrase()
{
    return [](Text text) { return std::string(english(text)); };
}

} // namespace vspace
