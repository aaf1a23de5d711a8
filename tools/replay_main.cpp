// vspace-replay: plays a JSON Lines session through the learning engine, without a window.

#include "hypothesis_file.h"
#include "replay_session.h"

#include <fstream>
#include <iostream>
#include <string_view>

namespace {

constexpr std::string_view kUsage = "usage: vspace-replay [--export-dir DIR] [FILE]\n"
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
    std::string_view file;
    bool haveFile = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--version") {
            std::cout << "vspace-replay " VSPACE_VERSION "\n";
            return 0;
        }
        if (arg == "--export-dir" || arg.starts_with("--export-dir=")) {
            std::string_view dir;
            if (arg == "--export-dir") {
                if (++i == argc)
                    return usageError("--export-dir needs a folder");
                dir = argv[i];
            } else {
                dir = arg.substr(std::string_view("--export-dir=").size());
            }
            exportPath = vspace::HypothesisFile::pathIn(
                QString::fromLocal8Bit(dir.data(), static_cast<qsizetype>(dir.size())));
        } else if (arg.size() > 1 && arg.starts_with('-')) {
            return usageError("unknown option " + std::string(arg));
        } else if (haveFile) {
            return usageError("only one FILE can be played");
        } else {
            file = arg;
            haveFile = true;
        }
    }

    vspace::HypothesisFile exportFile(exportPath);
    vspace::ReplaySession session(exportFile);
    if (!haveFile || file == "-")
        return vspace::run_replay(std::cin, std::cout, std::cerr, session);
    std::ifstream in{std::string(file), std::ios::binary};
    if (!in) {
        std::cerr << "vspace-replay: cannot open " << file << '\n';
        return 2;
    }
    return vspace::run_replay(in, std::cout, std::cerr, session);
}
