#include "language.h"

#include <QCoreApplication>
#include <QTranslator>

#include <sstream>

namespace vspace {

namespace {

std::string withoutEncoding(const std::string &locale)
{
    return locale.substr(0, locale.find_first_of(".@"));
}

} // namespace

std::vector<std::string> preferredLanguages(
        const std::function<std::string(const char *)> &environment)
{
    std::string locale;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (!(locale = environment(variable)).empty())
            break;
    }
    if (const std::string base = withoutEncoding(locale);
        base.empty() || base == "C" || base == "POSIX")
        return {};
    std::string choices = environment("LANGUAGE");
    std::istringstream list(choices.empty() ? locale : choices);
    std::vector<std::string> languages;
    for (std::string choice; std::getline(list, choice, ':');) {
        choice = withoutEncoding(choice);
        if (choice.empty())
            continue;
        languages.push_back(choice);
        if (const std::size_t country = choice.find('_'); country != std::string::npos)
            languages.push_back(choice.substr(0, country));
    }
    return languages;
}

QString installTranslation(const std::vector<std::string> &languages, const QStringList &folders)
{
    for (const std::string &language : languages) {
        if (language == "en" || language.starts_with("en_"))
            return {};
        auto *translator = new QTranslator(QCoreApplication::instance());
        for (const QString &folder : folders) {
            if (translator->load(QStringLiteral("vspace_") + QString::fromStdString(language),
                                 folder)) {
                QCoreApplication::installTranslator(translator);
                return translator->language();
            }
        }
        delete translator;
    }
    return {};
}

} // namespace vspace
