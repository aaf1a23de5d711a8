// vspace-replay: plays a JSON Lines or CSV session through the learning engine, without a window.

#include "csv_session.h"
#include "hypothesis_file.h"
#include "jsonl_reader.h"
#include "lesson_report.h"
#include "replay_options.h"
#include "session_input.h"
#include "worksheet.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <system_error>

#include <sys/stat.h>
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

// Why the report cannot go to `report` before anything is played, or nothing: a folder in its
// place, or the session's own input, which writing it would replace.
std::optional<std::string> reportRefused(const std::string &report, const vspace::FileInput &input)
{
    struct stat target
    {
    }, read{};
    if (::stat(report.c_str(), &target) != 0)
        return std::nullopt;
    if (S_ISDIR(target.st_mode))
        return std::generic_category().message(EISDIR);
    if (::fstat(input.descriptor(), &read) == 0 && read.st_dev == target.st_dev
        && read.st_ino == target.st_ino)
        return "it is the session being played (" + input.name() + ")";
    return std::nullopt;
}

// Why a page (the report or the worksheet) cannot be written.
std::string reportFailure(const std::string &page, const std::string &reason,
                          std::string_view what = "report")
{
    return "vspace-replay: the " + std::string(what) + " " + page + " cannot be written: " + reason
           + '\n';
}

int play(const vspace::ReplayOptions &options)
{
    auto opened = vspace::FileInput::open(options.file.value_or("-"));
    if (const std::string *failure = std::get_if<std::string>(&opened)) {
        std::cerr << "vspace-replay: " << *failure << '\n';
        return 2;
    }
    vspace::FileInput &input = *std::get<std::unique_ptr<vspace::FileInput>>(opened);
    for (const std::optional<std::string> &page : {options.report, options.worksheet}) {
        if (const std::optional<std::string> refused = page ? reportRefused(*page, input)
                                                            : std::nullopt) {
            std::cerr << reportFailure(*page, *refused,
                                       page == options.report ? "report" : "worksheet");
            return 2;
        }
    }
    if (const std::optional<std::string> failure = input.readAhead()) {
        std::cerr << "vspace-replay: " << *failure << '\n';
        return 2;
    }
    vspace::HypothesisFile exportFile(vspace::HypothesisFile::pathIn(
            options.exportFolder.value_or(vspace::HypothesisFile::desktopFolder())));
    vspace::ReplaySession session(exportFile,
                                  options.textbook ? vspace::Learner::Textbook
                                                   : vspace::Learner::Program,
                                  options.explain);
    session.setQuiet(options.quiet);
    std::optional<vspace::LessonReport> lesson;
    if (options.report) {
        const std::filesystem::path folder = std::filesystem::path(*options.report).parent_path();
        lesson.emplace(session, folder.empty() ? std::string(".") : folder.string(),
                       [](std::size_t presses) {
                           if (presses % 1000 == 0)
                               showProgress("presses played", presses, 0);
                       });
        if (lesson->error()) {
            std::cerr << reportFailure(*options.report,
                                       std::generic_category().message(lesson->error()));
            return 1;
        }
    }
    std::optional<vspace::Worksheet> worksheet;
    if (options.worksheet)
        worksheet.emplace(session);
    std::ostream quiet(nullptr);
    std::ostream &out = options.quiet ? quiet : std::cout;
    // The report shows its rows under the names the session gives the attributes.
    const vspace::NamesHandler named = [&](const vspace::AttributeNames &names) {
        if (lesson)
            lesson->nameAttributes(names);
    };
    int status = options.csv ? vspace::runCsvSession(input, out, std::cerr, session,
                                                     options.separator, named, options.columns)
                             : vspace::runJsonLines(input, out, std::cerr, session, named);
    const std::string fileName = input.name() == "standard input"
                                         ? input.name()
                                         : std::filesystem::path(input.name()).filename().string();
    if (worksheet) {
        if (const std::optional<std::string> failure
            = vspace::writeWhole(*options.worksheet, [&](const vspace::TextSink &sink) {
                  return sink(worksheet->html(fileName)), 0;
              })) {
            std::cerr << reportFailure(*options.worksheet, *failure, "worksheet");
            status = std::max(status, 1);
        }
    }
    if (!lesson)
        return status;
    if (lesson->presses() >= 1000)
        showProgress("presses played", lesson->presses(), lesson->presses());
    const std::string title = vspace::lessonTitle(fileName);
    const std::optional<std::string> failure
            = vspace::writeWhole(*options.report, [&](const vspace::TextSink &sink) {
                  return lesson->write(title, sink, [](std::size_t done, std::size_t total) {
                      showProgress("diagrams drawn", done, total);
                  });
              });
    if (failure) {
        std::cerr << reportFailure(*options.report, *failure);
        status = std::max(status, 1);
    }
    return status;
}

// Writes the exercise table asked for to standard output; says why not, if it cannot.
int writeExercise(const vspace::ExerciseRequest &request)
{
    try {
        std::cout << vspace::exerciseTable(request) << std::flush;
    } catch (const std::runtime_error &failure) {
        std::cerr << "vspace-replay: " << failure.what() << '\n';
        return 1;
    }
    if (!std::cout) {
        std::cerr << "vspace-replay: the table could not be written to standard output\n";
        return 1;
    }
    return 0;
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
    else if (options.action == vspace::ReplayOptions::Action::Exercise)
        return writeExercise(options.exercise);
    else {
        try {
            return play(options);
        } catch (const std::bad_alloc &) {
            std::cerr << "vspace-replay: out of memory\n";
            return vspace::kOutOfMemoryStatus;
        }
    }
    return 0;
}
