#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vspace::testing {

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    const std::filesystem::path &path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

std::string readFile(const std::filesystem::path &path);
void writeFile(const std::filesystem::path &path, const std::string &bytes);

struct RunResult
{
    int status = -1;
    std::string out;
    std::string err;
    long peakKib = 0; // peak resident memory of the program
    std::vector<std::string> lines() const; // `out` split at newlines
};

// Runs `program` with `args`, feeding `input` on standard input.
RunResult runProgram(const std::string &program, const std::vector<std::string> &args,
                     const std::string &input);
// The same with standard input read from the file `inputFile`.
RunResult runProgramOn(const std::string &program, const std::vector<std::string> &args,
                       const std::filesystem::path &inputFile);

} // namespace vspace::testing
