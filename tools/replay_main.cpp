// vspace-replay: plays a JSON Lines or CSV session through the learning engine, without a window.

#include "csv_session.h"
#include "hypothesis_file.h"
#include "lesson_report.h"
#include "replay_session.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string_view>

namespace {

constexpr std::string_view kUsage = "usage: vspace-replay [--export-dir DIR] [--report FILE.html] [--csv] [FILE]\n"
                                    "       vspace-replay --help | --version\n";

int usageError(std::string_view why)
{
    std::cerr << "vspace-replay: " << why << '\n' << kUsage;
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    std::ios::sync_with_stdio(false);
    QString exportPath = vspace::HypothesisFile::desktopPath();
    std::optional<std::string> file, report;
    bool csv = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        // The value of an option given as "--name VALUE" or "--name=VALUE".
        const auto value = [&](std::string_view name) -> std::optional<std::string> {
            if (arg.starts_with(std::string(name) + "="))
                return std::string(arg.substr(name.size() + 1));
            if (arg == name && i + 1 < argc)
                return std::string(argv[++i]);
            return std::nullopt;
        };
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--version") {
            std::cout << "vspace-replay " VSPACE_VERSION "\n";
            return 0;
        }
        if (arg == "--csv") {
            csv = true;
        } else if (arg.starts_with("--export-dir")) {
            const std::optional<std::string> dir = value("--export-dir");
            if (!dir)
                return usageError("--export-dir needs a folder");
            exportPath = vspace::HypothesisFile::pathIn(QString::fromLocal8Bit(dir->data(), static_cast<qsizetype>(dir->size())));
        } else if (arg.starts_with("--report")) {
            if (!(report = value("--report")))
                return usageError("--report needs a file name");
        } else if (arg.size() > 1 && arg.starts_with('-')) {
            return usageError("unknown option " + std::string(arg));
        } else if (file) {
            return usageError("only one FILE can be played");
        } else {
            file = std::string(arg);
        }
    }

    vspace::HypothesisFile exportFile(exportPath);
    vspace::ReplaySession session(exportFile);
    std::optional<vspace::LessonReport> lesson;
    if (report)
        lesson.emplace(session);
    std::ifstream opened;
    if (file && *file != "-" && !(opened.open(*file, std::ios::binary), opened)) {
        std::cerr << "vspace-replay: cannot open " << *file << '\n';
        return 2;
    }
    std::istream &in = opened.is_open() ? static_cast<std::istream &>(opened) : std::cin;
    const int status = csv ? vspace::run_csv_replay(in, std::cout, std::cerr, session)
                           : vspace::run_replay(in, std::cout, std::cerr, session);
    if (lesson) {
        std::ofstream page(*report, std::ios::binary | std::ios::trunc);
        page << lesson->html("vspace lesson: " + (file && *file != "-" ? std::filesystem::path(*file).filename().string() : "standard input"));
        if (!page.flush()) {
            std::cerr << "vspace-replay: the report " << *report << " could not be written\n";
            return status == 0 ? 1 : status;
        }
    }
    return status;
}
