#include "engine.h"
#include "hypothesis_file.h"
#include "memory_controls.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

bool run(const std::string &command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

std::string readOrWrite(const fs::path &path, const std::string *bytes = nullptr)
{
    if (bytes)
        return std::ofstream(path, std::ios::binary) << *bytes ? "written" : "(none)";
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return fs::is_regular_file(path) ? all.str() : "(none)";
}

// How the export is set up to fail (or not), the message's end, the length of the long value.
class Export : public ::testing::TestWithParam<std::tuple<std::string, std::string, int>>
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("vspace-export-" + std::to_string(::getpid()));
    }
    void TearDown() override
    {
        run("umount " + (m_dir / "Desktop").string());
        fs::remove_all(m_dir);
    }
    fs::path m_dir;
};

// Exports two version-space rows, the first with a long value, and checks the message, the file
// written or the previous file kept, and that no temporary file is left beside it.
TEST_P(Export, ReplacesTheFileOrReportsPathAndReasonAndKeepsThePreviousOne)
{
    const auto &[fault, reason, length] = GetParam();
    const fs::path desktop = m_dir / "Desktop", path = desktop / "hypothesis.txt";
    const std::string previous = "\"previous,?,?,?,?,?\"\r\n";
    fs::create_directories(m_dir);
    if (fault.ends_with("disk") || fault == "read only") {
        fs::create_directories(desktop);
        if (geteuid() != 0 || !run("mount -t tmpfs -o size=64k tmpfs " + desktop.string()))
            GTEST_SKIP() << "a small tmpfs can only be mounted as root";
        readOrWrite(path, &previous);
        const std::string other(fault == "nearly full disk" ? 56 * 1024 : 0, 'o');
        readOrWrite(desktop / "other", &other);
        ASSERT_TRUE(fault != "read only" || run("mount -o remount,ro " + desktop.string()));
    }
    if (fault == "desktop is a file")
        readOrWrite(desktop, &previous);
    if (fault == "file is a folder")
        fs::create_directories(path);
    if (fault == "kept mode and link") {
        fs::create_directories(desktop);
        readOrWrite(m_dir / "target.txt", &previous);
        fs::permissions(m_dir / "target.txt", fs::perms(0640));
        fs::create_symlink("../target.txt", path);
    }
    vspace::MemoryControls controls;
    vspace::HypothesisFile file(path.string());
    vspace::Engine engine(controls, file);
    vspace::EngineState state = engine.state();
    state.versionSpace.row(1)
            = {std::string(static_cast<std::size_t>(length), 'v'), "b", "?", "?", "?", "?"};
    state.versionSpace.row(2) = {"?", "b", "c", "?", "?", "?"};
    state.versionSpaceCount = 2;
    engine.setState(state);
    const ::mode_t mask = ::umask(022);
    engine.press(vspace::Button::GenText);
    ::umask(mask);
    const std::string message = controls.messages().at(0).title + ": "
                                + controls.messages().at(0).text;
    const std::string written = "\"" + std::string(static_cast<std::size_t>(length), 'v')
                                + ",b,?,?,?,?\"\r\n\"?,b,c,?,?,?\"\r\n";
    if (fault.empty() || fault == "kept mode and link") {
        EXPECT_EQ(message, "Text File: Your TextFile Generate in Desktop is Hypothesis.txt");
        EXPECT_EQ(readOrWrite(path), written);
        EXPECT_EQ(fs::status(path).permissions(), fs::perms(fault.empty() ? 0644 : 0640));
        EXPECT_EQ(fs::is_symlink(path), !fault.empty());
    } else {
        EXPECT_TRUE(message.starts_with("Text File: The hypothesis file " + path.string()
                                        + " could not be written: ")
                    && message.ends_with(reason))
                << message;
        EXPECT_EQ(readOrWrite(fault == "desktop is a file" ? desktop : path),
                  fault == "file is a folder" ? "(none)" : previous);
    }
    std::size_t files = 0;
    for (const auto &entry : fs::directory_iterator(fs::is_directory(desktop) ? desktop : m_dir))
        files += entry.is_regular_file() || entry.is_symlink();
    EXPECT_EQ(files, fault.ends_with("disk") || fault == "read only" ? 2u
                     : fault == "file is a folder"                   ? 0u
                                                                     : 1u);
}

INSTANTIATE_TEST_SUITE_P(
        Faults, Export,
        ::testing::Values(std::tuple("", "", 3), std::tuple("kept mode and link", "", 3),
                          std::tuple("desktop is a file", "/Desktop is not a folder", 1),
                          std::tuple("file is a folder", "a folder of that name is in the way", 1),
                          std::tuple("read only", "Read-only file system", 1),
                          std::tuple("full disk", "No space left on device", 100000),
                          std::tuple("nearly full disk", "No space left on device", 8200)),
        [](const auto &info) {
            std::string name = std::get<0>(info.param) + "_";
            std::replace(name.begin(), name.end(), ' ', '_');
            return name;
        });

// The desktop folder as the XDG user directories give it.
TEST(Export, DesktopFolderFollowsTheUserDirectories)
{
    const fs::path config = fs::temp_directory_path()
                            / ("vspace-xdg-" + std::to_string(::getpid()));
    fs::create_directories(config);
    ::setenv("HOME", "/home/ann", 1);
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    EXPECT_EQ(vspace::HypothesisFile::desktopFolder(), "/home/ann/Desktop");
    std::ofstream(config / "user-dirs.dirs")
            << "# comment\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n";
    EXPECT_EQ(vspace::HypothesisFile::desktopFolder(), "/home/ann/Schreibtisch");
    fs::remove_all(config);
    EXPECT_EQ(vspace::HypothesisFile::pathIn("out/"), "out/hypothesis.txt");
}

} // namespace
