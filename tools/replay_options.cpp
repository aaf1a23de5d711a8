#include "replay_options.h"

#include <set>

namespace vspace {

std::variant<ReplayOptions, std::string> parseReplayOptions(int argc, const char *const argv[])
{
    ReplayOptions options;
    std::set<std::string_view> given;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool isOption = !optionsEnded && arg.size() > 1 && arg.starts_with('-');
        if (!isOption) {
            if (options.file)
                return std::string("only one FILE can be played");
            options.file = std::string(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const std::string_view name = arg.substr(0, arg.find('='));
        const bool repeatable = name == "--ignore" || name == "--positive" || name == "--negative";
        const bool takesValue = name == "--export-dir" || name == "--separator"
                                || name == "--report" || name == "--label" || repeatable;
        const bool flag = arg == "--help" || arg == "-h" || arg == "--version" || arg == "--csv"
                          || arg == "--quiet" || arg == "--textbook" || arg == "--explain";
        if (!takesValue && !flag)
            return "unknown option " + std::string(arg);
        if (!given.insert(name == "-h" ? "--help" : name).second && !repeatable)
            return std::string(name) + " is given twice";
        // The value of an option given as "--name VALUE" or "--name=VALUE".
        std::optional<std::string> value;
        if (takesValue) {
            if (name.size() < arg.size())
                value = std::string(arg.substr(name.size() + 1));
            else if (i + 1 < argc)
                value = std::string(argv[++i]);
            if (value && value->empty())
                return std::string(name) + " is empty: it needs "
                       + (name == "--export-dir"                    ? "a folder"
                          : name == "--report"                      ? "a file name"
                          : name == "--separator"                   ? ", or ; or tab"
                          : name == "--label" || name == "--ignore" ? "a column's name or number"
                                                                    : "a word");
        }
        if (arg == "--help" || arg == "-h") {
            options.action = ReplayOptions::Action::Help;
        } else if (arg == "--version") {
            options.action = ReplayOptions::Action::Version;
        } else if (arg == "--csv") {
            options.csv = true;
        } else if (arg == "--quiet") {
            options.quiet = true;
        } else if (arg == "--textbook") {
            options.textbook = true;
        } else if (arg == "--explain") {
            options.explain = true;
        } else if (name == "--export-dir") {
            if (!(options.exportFolder = value))
                return std::string("--export-dir needs a folder");
        } else if (name == "--label" || repeatable) {
            if (!value)
                return std::string(name) + " needs "
                       + (name == "--label" || name == "--ignore" ? "a column's name or number"
                                                                  : "a word");
            if (name == "--label")
                options.columns.label = value;
            else
                (name == "--ignore"     ? options.columns.ignored
                 : name == "--positive" ? options.columns.positiveWords
                                        : options.columns.negativeWords)
                        .push_back(*value);
        } else if (name == "--separator") {
            if (value == "," || value == ";")
                options.separator = value->front();
            else if (value == "tab")
                options.separator = '\t';
            else
                return std::string("--separator needs , or ; or tab");
        } else if (!(options.report = value)) {
            return std::string("--report needs a file name");
        }
    }
    for (const auto &[option, used] :
         {std::pair("--separator", options.separator.has_value()),
          std::pair("--label", options.columns.label.has_value()),
          std::pair("--ignore", !options.columns.ignored.empty()),
          std::pair("--positive", !options.columns.positiveWords.empty()),
          std::pair("--negative", !options.columns.negativeWords.empty())}) {
        if (used && !options.csv)
            return std::string(option) + " is for CSV tables: it needs --csv";
    }
    return options;
}

} // namespace vspace
