#include "replay_options.h"

namespace vspace {

std::variant<ReplayOptions, std::string> parseReplayOptions(int argc, const char *const argv[])
{
    ReplayOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const std::string_view name = arg.substr(0, arg.find('='));
        // The value of an option given as "--name VALUE" or "--name=VALUE".
        const auto value = [&]() -> std::optional<std::string> {
            if (name.size() < arg.size())
                return std::string(arg.substr(name.size() + 1));
            if (i + 1 < argc)
                return std::string(argv[++i]);
            return std::nullopt;
        };
        if (arg == "--help" || arg == "-h") {
            options.action = ReplayOptions::Action::Help;
        } else if (arg == "--version") {
            options.action = ReplayOptions::Action::Version;
        } else if (arg == "--csv") {
            options.csv = true;
        } else if (arg == "--quiet") {
            options.quiet = true;
        } else if (name == "--export-dir") {
            if (!(options.exportFolder = value()))
                return std::string("--export-dir needs a folder");
        } else if (name == "--separator") {
            const std::optional<std::string> separator = value();
            if (separator == "," || separator == ";")
                options.separator = separator->front();
            else if (separator == "tab")
                options.separator = '\t';
            else
                return std::string("--separator needs , or ; or tab");
        } else if (name == "--report") {
            if (!(options.report = value()))
                return std::string("--report needs a file name");
        } else if (arg.size() > 1 && arg.starts_with('-')) {
            return "unknown option " + std::string(arg);
        } else if (options.file) {
            return std::string("only one FILE can be played");
        } else {
            options.file = std::string(arg);
        }
    }
    return options;
}

} // namespace vspace
