#include "replay_options.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace vspace {

namespace {

// What an option is for: any use, playing a session, a CSV table read, an exercise table written.
enum class Use { Any, Playing, Csv, Exercise };

// An option of vspace-replay: its name, what its value is ("" for a flag, which takes none),
// whether it may be given more than once, and what it is for.
struct Option
{
    std::string_view name;
    std::string_view value;
    bool repeatable;
    Use use;
};

constexpr std::string_view kColumn = "a column's name or number";
constexpr std::array kOptions{
        Option{"--help", {}, false, Use::Any},
        Option{"-h", {}, false, Use::Any},
        Option{"--version", {}, false, Use::Any},
        Option{"--export-dir", "a folder", false, Use::Playing},
        Option{"--report", "a file name", false, Use::Playing},
        Option{"--worksheet", "a file name", false, Use::Playing},
        Option{"--csv", {}, false, Use::Playing},
        Option{"--separator", ", or ; or tab", false, Use::Csv},
        Option{"--label", kColumn, false, Use::Csv},
        Option{"--ignore", kColumn, true, Use::Csv},
        Option{"--positive", "a word", true, Use::Csv},
        Option{"--negative", "a word", true, Use::Csv},
        Option{"--textbook", {}, false, Use::Playing},
        Option{"--explain", {}, false, Use::Playing},
        Option{"--quiet", {}, false, Use::Playing},
        Option{"--exercise", {}, false, Use::Any},
        Option{"--seed", "a whole number", false, Use::Exercise},
        Option{"--attributes", "a whole number", false, Use::Exercise},
        Option{"--examples", "a whole number", false, Use::Exercise},
        Option{"--collapse", {}, false, Use::Exercise},
};

} // namespace

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
        const auto option = std::find_if(kOptions.begin(), kOptions.end(),
                                         [&](const Option &o) { return o.name == name; });
        // A flag is taken by its whole name alone.
        if (option == kOptions.end() || (option->value.empty() && name != arg))
            return "unknown option " + std::string(arg);
        if (!given.insert(name == "-h" ? "--help" : name).second && !option->repeatable)
            return std::string(name) + " is given twice";
        // The value of an option given as "--name VALUE" or "--name=VALUE".
        std::optional<std::string> value;
        if (!option->value.empty()) {
            if (name.size() < arg.size())
                value = std::string(arg.substr(name.size() + 1));
            else if (i + 1 < argc)
                value = std::string(argv[++i]);
            if (value && value->empty())
                return std::string(name) + " is empty: it needs " + std::string(option->value);
        }
        const auto count = std::find_if(kExerciseCounts.begin(), kExerciseCounts.end(),
                                        [&](const ExerciseCount &c) { return c.option == name; });
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
            continue;
        }
        if (!option->value.empty() && !value)
            return std::string(name) + " needs " + std::string(option->value);
        if (name == "--exercise")
            options.action = ReplayOptions::Action::Exercise;
        else if (name == "--collapse")
            options.exercise.collapse = true;
        else if (name == "--help" || name == "-h")
            options.action = ReplayOptions::Action::Help;
        else if (name == "--version")
            options.action = ReplayOptions::Action::Version;
        else if (name == "--csv")
            options.csv = true;
        else if (name == "--quiet")
            options.quiet = true;
        else if (name == "--textbook")
            options.textbook = true;
        else if (name == "--explain")
            options.explain = true;
        else if (name == "--export-dir")
            options.exportFolder = value;
        else if (name == "--report")
            options.report = value;
        else if (name == "--worksheet")
            options.worksheet = value;
        else if (name == "--label")
            options.columns.label = value;
        else if (name == "--ignore")
            options.columns.ignored.push_back(*value);
        else if (name == "--positive")
            options.columns.positiveWords.push_back(*value);
        else if (name == "--negative")
            options.columns.negativeWords.push_back(*value);
        else if (value == "," || value == ";")
            options.separator = value->front();
        else if (value == "tab")
            options.separator = '\t';
        else
            return std::string("--separator needs , or ; or tab");
    }
    const bool exercise = options.action == ReplayOptions::Action::Exercise;
    // A table is written, and nothing is played: no option that plays belongs with it.
    if (exercise && options.file)
        return std::string("--exercise writes a table of its own: it plays no FILE");
    if (options.report && options.report == options.worksheet)
        return std::string("--report and --worksheet name the same file");
    for (const Option &option : kOptions) {
        if (!given.contains(option.name))
            continue;
        if (exercise && (option.use == Use::Playing || option.use == Use::Csv))
            return std::string(option.name) + " plays a session: it cannot go with --exercise";
        if (!exercise && option.use == Use::Exercise)
            return std::string(option.name) + " is for exercise tables: it needs --exercise";
        if (!options.csv && option.use == Use::Csv)
            return std::string(option.name) + " is for CSV tables: it needs --csv";
    }
    return options;
}

} // namespace vspace
