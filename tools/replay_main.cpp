// vspace-replay: plays a JSON Lines or CSV session through the learning engine, without a window.

#include "csv_session.h"
#include "hypothesis_file.h"
#include "jsonl_reader.h"
#include "lesson_report.h"
#include "replay_options.h"

#include <filesystem>
#include <fstream>
#include <iostream>

#include <unistd.h>

namespace {

// Tells on a terminal how far the report has got; says nothing when stderr is not one.
void showProgress(std::string_view what, std::size_t done, std::size_t total)
{
    static const bool terminal = ::isatty(STDERR_FILENO) == 1;
    if (!terminal)
        return;
    std::cerr << "\rvspace-replay: report: " << done;
    std::cerr << (total ? " of " + std::to_string(total) + " " : " ") << what << "\x1b[K";
    if (done == total)
        std::cerr << '\n';
}

int writeReport(const vspace::LessonReport &lesson, const vspace::ReplayOptions &options)
{
    const bool named = options.file && *options.file != "-";
    const std::string title = "vspace lesson: "
                              + (named ? std::filesystem::path(*options.file).filename().string()
                                       : std::string("standard input"));
    std::ofstream page(*options.report, std::ios::binary | std::ios::trunc);
    page << lesson.html(title, [](std::size_t done, std::size_t total) {
        showProgress("diagrams drawn", done, total);
    });
    if (!page.flush()) {
        std::cerr << "vspace-replay: the report " << *options.report << " could not be written\n";
        return 1;
    }
    return 0;
}

int play(const vspace::ReplayOptions &options)
{
    vspace::HypothesisFile exportFile(vspace::HypothesisFile::pathIn(
            options.exportFolder.value_or(vspace::HypothesisFile::desktopFolder())));
    vspace::ReplaySession session(exportFile);
    std::optional<vspace::LessonReport> lesson;
    if (options.report) {
        lesson.emplace(session, [](std::size_t presses) {
            if (presses % 1000 == 0)
                showProgress("presses played", presses, 0);
        });
    }
    std::ifstream opened;
    if (options.file && *options.file != "-"
        && !(opened.open(*options.file, std::ios::binary), opened)) {
        std::cerr << "vspace-replay: cannot open " << *options.file << '\n';
        return 2;
    }
    std::istream &in = opened.is_open() ? static_cast<std::istream &>(opened) : std::cin;
    std::ostream quiet(nullptr);
    std::ostream &out = options.quiet ? quiet : std::cout;
    const int status = options.csv ? vspace::runCsvSession(in, out, std::cerr, session,
                                                           options.separator)
                                   : vspace::runJsonLines(in, out, std::cerr, session);
    if (lesson && lesson->presses() >= 1000)
        showProgress("presses played", lesson->presses(), lesson->presses());
    if (lesson && writeReport(*lesson, options) != 0)
        return status == 0 ? 1 : status;
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    std::ios::sync_with_stdio(false);
    const auto parsed = vspace::parseReplayOptions(argc, argv);
    if (const std::string *mistake = std::get_if<std::string>(&parsed)) {
        std::cerr << "vspace-replay: " << *mistake << '\n' << vspace::kReplayUsage;
        return 2;
    }
    const vspace::ReplayOptions &options = std::get<vspace::ReplayOptions>(parsed);
    if (options.action == vspace::ReplayOptions::Action::Help)
        std::cout << vspace::kReplayUsage;
    else if (options.action == vspace::ReplayOptions::Action::Version)
        std::cout << "vspace-replay " VSPACE_VERSION "\n";
    else
        return play(options);
    return 0;
}
