#include "process.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vspace::testing {

namespace {

std::string shellQuoted(const std::string &text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

TempDir::TempDir()
{
    std::random_device random;
    m_path = std::filesystem::temp_directory_path()
             / ("vspace-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(m_path);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

std::string readFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::filesystem::path &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::vector<std::string> RunResult::lines() const
{
    std::vector<std::string> result;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

RunResult runProgram(const std::string &program, const std::vector<std::string> &args,
                     const std::string &input)
{
    TempDir io;
    writeFile(io.path() / "in", input);
    return runProgramOn(program, args, io.path() / "in");
}

RunResult runProgramOn(const std::string &program, const std::vector<std::string> &args,
                       const std::filesystem::path &inputFile)
{
    TempDir io;
    // The peak memory measured includes this process's own up to the exec, which stays small
    // as long as the caller keeps no large input in memory.
    std::string command = "exec " + shellQuoted(program);
    for (const std::string &arg : args)
        command += " " + shellQuoted(arg);
    command += " <" + shellQuoted(inputFile.string()) + " >"
               + shellQuoted((io.path() / "out").string()) + " 2>"
               + shellQuoted((io.path() / "err").string());
    RunResult result;
    const pid_t child = fork();
    if (child == 0) {
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int raw = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &raw, 0, &usage) != child)
        throw std::runtime_error("cannot run " + program);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.peakKib = usage.ru_maxrss;
    result.out = readFile(io.path() / "out");
    result.err = readFile(io.path() / "err");
    return result;
}

} // namespace vspace::testing
