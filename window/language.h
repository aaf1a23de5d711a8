#pragma once

#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace vspace {

// The languages the user asks for, most wanted first, as gettext reads them from the environment
// (`environment` gives a variable's value, empty when unset): the locale is LC_ALL, LC_MESSAGES
// or LANG, the first that is set; under the C or POSIX locale, or with none, the answer is empty
// (English). Otherwise LANGUAGE, a colon-separated list, orders the choices when set, and the
// locale alone when not. Each choice comes as "ll_CC" and then "ll", without encoding or modifier.
std::vector<std::string> preferredLanguages(
        const std::function<std::string(const char *)> &environment);

// Installs in the application the translation of the first preferred language that has one,
// looked for in `folders`; English (no translation) where English comes first or none is found.
// Returns the language installed, or nothing.
QString installTranslation(const std::vector<std::string> &languages, const QStringList &folders);

} // namespace vspace
