#include "replay_options.h"

#include <algorithm>
#include <charconv>
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
        const auto count = std::find_if(kExerciseCounts.begin(), kExerciseCounts.end(),
                                        [&](const ExerciseCount &c) { return c.option == name; });
        const bool takesValue = name == "--export-dir" || name == "--separator"
                                || name == "--report" || name == "--worksheet" || name == "--label"
                                || repeatable || count != kExerciseCounts.end();
        const bool flag = arg == "--help" || arg == "-h" || arg == "--version" || arg == "--csv"
                          || arg == "--quiet" || arg == "--textbook" || arg == "--explain"
                          || arg == "--exercise" || arg == "--collapse";
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
                       + (name == "--export-dir"                        ? "a folder"
                          : name == "--report" || name == "--worksheet" ? "a file name"
                          : name == "--separator"                       ? ", or ; or tab"
                          : name == "--label" || name == "--ignore" ? "a column's name or number"
                                                                    : "a word");
        }
        if (count != kExerciseCounts.end()) {
            std::size_t number = 0;
            const char *end = value ? value->data() + value->size() : nullptr;
            const auto [stop, failed] = value ? std::from_chars(value->data(), end, number)
                                              : std::from_chars_result{nullptr, std::errc()};
            if (!value || failed != std::errc() || stop != end || number < count->least
                || number > count->most)
                return std::string(name) + " needs a whole number from "
                       + std::to_string(count->least) + " to " + std::to_string(count->most)
                       + (value ? ", not " + shownText(*value) : std::string());
            options.exercise.*(count->member) = number;
        } else if (arg == "--exercise") {
            options.action = ReplayOptions::Action::Exercise;
        } else if (arg == "--collapse") {
            options.exercise.collapse = true;
        } else if (arg == "--help" || arg == "-h") {
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
        } else if (!((name == "--report" ? options.report : options.worksheet) = value)) {
            return std::string(name) + " needs a file name";
        }
    }
    if (options.action == ReplayOptions::Action::Exercise) {
        // A table is written, and nothing is played: no option that plays belongs with it.
        if (options.file)
            return std::string("--exercise writes a table of its own: it plays no FILE");
        for (const std::string_view playing :
             {"--export-dir", "--report", "--worksheet", "--csv", "--separator", "--label",
              "--ignore", "--positive", "--negative", "--textbook", "--explain", "--quiet"}) {
            if (given.contains(playing))
                return std::string(playing) + " plays a session: it cannot go with --exercise";
        }
    }
    if (options.report && options.report == options.worksheet)
        return std::string("--report and --worksheet name the same file");
    for (const auto &[option, used] : {std::pair("--seed", given.contains("--seed")),
                                       std::pair("--attributes", given.contains("--attributes")),
                                       std::pair("--examples", given.contains("--examples")),
                                       std::pair("--collapse", options.exercise.collapse)}) {
        if (used && options.action != ReplayOptions::Action::Exercise)
            return std::string(option) + " is for exercise tables: it needs --exercise";
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
