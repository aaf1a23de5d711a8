#pragma once

#include "csv_session.h"
#include "exercise.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vspace {

inline constexpr std::string_view kReplayUsage
        = "usage: vspace-replay [--export-dir DIR] [--report FILE.html] [--worksheet FILE.html]\n"
          "                     [--csv] [--separator ,|;|tab] [--label COLUMN] [--ignore "
          "COLUMN]...\n"
          "                     [--positive WORD]... [--negative WORD]... [--textbook] "
          "[--explain]\n"
          "                     [--quiet] [--] [FILE]\n"
          "       vspace-replay --exercise [--seed N] [--attributes 3-16] [--examples 4-200] "
          "[--collapse]\n"
          "       vspace-replay --help | --version\n";

// What the command line of vspace-replay asks for.
struct ReplayOptions
{
    enum class Action { Play, Help, Version, Exercise };
    Action action = Action::Play;
    std::optional<std::string> exportFolder;
    std::optional<std::string> report;
    std::optional<std::string> worksheet;
    std::optional<std::string> file; // standard input when absent or "-"
    bool csv = false;
    std::optional<char> separator; // of a CSV table; told from its first rows when absent
    CsvColumns columns;            // of a CSV table: the label's, those left out, label words
    bool quiet = false;            // no report per press on standard output
    bool textbook = false;         // the textbook learner's lists, votes and version space
    bool explain = false;          // each report says what the press did, under "step"
    ExerciseRequest exercise;      // --exercise: the table to write
};

// The numbers an exercise table is drawn from, by their option, with the values each takes.
struct ExerciseCount
{
    std::string_view option;
    std::size_t least, most;
    std::size_t ExerciseRequest::*member;
};
inline constexpr std::array<ExerciseCount, 3> kExerciseCounts{{
        {"--seed", 0, UINT32_MAX, &ExerciseRequest::seed},
        {"--attributes", ExerciseRequest::kMinAttributes, ExerciseRequest::kMaxAttributes,
         &ExerciseRequest::attributes},
        {"--examples", ExerciseRequest::kMinExamples, ExerciseRequest::kMaxExamples,
         &ExerciseRequest::examples},
}};

// Reads the arguments after the program's name. Options are taken by their whole name only, each
// at most once but --ignore, --positive and --negative; a value follows its option as the next
// argument or after "=", and is never empty.
// "--" ends the options: what follows is the file. On a mistake returns what is wrong, naming the
// option.
std::variant<ReplayOptions, std::string> parseReplayOptions(int argc, const char *const argv[]);

} // namespace vspace
