#include "replay_harness.h"

#include "export_file.h"
#include "invariants.h"
#include "replay_session.h"

#include <sstream>

namespace vspace::testing {

namespace {

class MemoryFile : public ExportFile
{
public:
    std::string path() const override { return "hypothesis.txt"; }
    std::optional<std::string> replace(std::string_view bytes) override
    {
        m_bytes = bytes;
        return std::nullopt;
    }

private:
    std::string m_bytes;
};

} // namespace

std::string play_replay_input(std::string_view bytes)
{
    std::istringstream in{std::string(bytes)};
    std::ostringstream out;
    std::ostringstream err;
    MemoryFile file;
    ReplaySession session(file);
    InvariantChecker checker;
    std::string broken;
    int presses = 0;
    session.setPressObserver([&](ReplaySession::Moment moment, ButtonId button) {
        if (moment == ReplaySession::Moment::BeforePress) {
            checker.beforePress(session.engine(), session.controls(), button);
            return;
        }
        ++presses;
        if (broken.empty()) {
            broken = checker.afterPress(session.engine(), session.controls(), button);
            if (!broken.empty())
                broken += " (press " + std::to_string(presses) + ")";
        }
    });
    const int status = run_replay(in, out, err, session);
    if (!broken.empty())
        return broken;
    if (status != 0 && status != 2)
        return "exit status " + std::to_string(status);
    if ((status == 2) != (err.str().rfind("vspace-replay: line ", 0) == 0))
        return "bad input without a message naming its line, or a message without bad input";
    std::istringstream reports(out.str());
    for (std::string line; std::getline(reports, line);) {
        if (line.rfind("{\"press\":\"", 0) != 0 || line.back() != '}')
            return "a report that is not an object: " + line.substr(0, 80);
    }
    return {};
}

} // namespace vspace::testing
