#include "form.h"
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

std::string readOrWrite(const fs::path &path, const std::string *bytes = nullptr)
{
    if (bytes)
        return std::ofstream(path, std::ios::binary) << *bytes ? "written" : "(none)";
    if (!fs::is_regular_file(path))
        return "(none)";
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

// How the folder is set up (or which system call fails, setting `error`, 0 for none, as no file
// system does on demand), and the reason the message must end with; none for a good export.
struct Case
{
    std::string setup;
    int error;
    std::string reason;
};

class FaultyCalls : public vspace::FileCalls
{
public:
    explicit FaultyCalls(Case fault)
        : m_fault(std::move(fault))
    {}
    int open(const char *path, int flags, mode_t mode) override
    {
        return failing("open") ? -1 : FileCalls::open(path, flags, mode);
    }
    // A failing write first writes half of what it is given; a slow one a byte at a time.
    ssize_t write(int fd, const void *bytes, size_t size) override
    {
        if (m_fault.setup == "write1")
            return FileCalls::write(fd, bytes, std::min<size_t>(size, 1));
        if (m_fault.setup == "write" && size > 1 && !m_halfWritten)
            return m_halfWritten = true, FileCalls::write(fd, bytes, size / 2);
        return failing("write") ? (m_fault.error ? -1 : 0) : FileCalls::write(fd, bytes, size);
    }
    int fchmod(int fd, mode_t mode) override
    {
        return failing("fchmod") ? -1 : FileCalls::fchmod(fd, mode);
    }
    int fsync(int fd) override { return failing("fsync") ? -1 : FileCalls::fsync(fd); }
    int close(int fd) override { return FileCalls::close(fd) || failing("close") ? -1 : 0; }
    int rename(const char *from, const char *to) override
    {
        return failing("rename") ? -1 : FileCalls::rename(from, to);
    }

private:
    bool failing(const std::string &call)
    {
        errno = m_fault.setup == call ? m_fault.error : errno;
        return m_fault.setup == call;
    }
    Case m_fault;
    bool m_halfWritten = false;
};

class Export : public ::testing::TestWithParam<Case>
{
protected:
    void TearDown() override { fs::remove_all(m_dir); }
    fs::path m_dir = fs::temp_directory_path() / ("vspace-export-" + std::to_string(::getpid()));
};

// Exports two version-space rows over a previous export, and checks the message, the file
// written or the previous file kept, and that no temporary file is left beside it.
TEST_P(Export, ReplacesTheFileOrSaysWhyAndKeepsThePreviousOne)
{
    const auto &[setup, error, reason] = GetParam();
    const fs::path desktop = m_dir / "Desktop", path = desktop / "hypothesis.txt";
    const std::string previous = "\"previous,?,?,?,?,?\"\r\n";
    fs::create_directories(desktop);
    readOrWrite(path, &previous);
    if (setup == "desktop is a file")
        fs::remove_all(desktop), readOrWrite(desktop, &previous);
    if (setup == "file is a folder")
        fs::remove(path), fs::create_directories(path);
    const bool link = setup.find("link") != std::string::npos;
    if (link) {
        fs::rename(path, m_dir / "target.txt");
        fs::permissions(m_dir / "target.txt", fs::perms(0640));
        fs::create_symlink(setup == "dangling link" ? "../gone/target.txt" : "../target.txt", path);
    }
    if (setup.ends_with("link in a shared folder"))
        fs::permissions(desktop, fs::perms(01777));
    if (setup.starts_with("another user's") && ::lchown(path.c_str(), 65534, 65534))
        GTEST_SKIP() << "a link of another user needs root";
    if (setup == "set-user-ID file")
        fs::permissions(path, fs::perms(04755));
    if (setup == "FIFO")
        fs::remove(path), ::mkfifo(path.c_str(), 0644);
    vspace::MemoryControls controls;
    FaultyCalls calls(GetParam());
    vspace::HypothesisFile file(path.string(), &calls);
    vspace::Form form(controls, file);
    vspace::LearningState state = form.state();
    state.versionSpace = vspace::Rows(
            {{"vvv", "b", "?", "?", "?", "?"}, {"?", "b", "c", "?", "?", "?"}});
    form.setState(state);
    const ::mode_t mask = ::umask(022);
    form.press(vspace::Button::GenText);
    ::umask(mask);
    const auto &[title, text] = controls.messages().at(0);
    EXPECT_EQ(title, "Text File");
    if (reason.empty()) {
        EXPECT_EQ(text, "Your TextFile Generate in Desktop is Hypothesis.txt");
        EXPECT_EQ(readOrWrite(path), "\"vvv,b,?,?,?,?\"\r\n\"?,b,c,?,?,?\"\r\n");
        EXPECT_EQ(fs::status(path).permissions(),
                  fs::perms(setup.find(' ') == std::string::npos ? 0644
                            : setup.ends_with("file")            ? 0755
                                                                 : 0640));
        EXPECT_EQ(fs::is_symlink(path), link);
    } else {
        EXPECT_TRUE(
                text.starts_with("The hypothesis file " + path.string() + " could not be written: ")
                && text.ends_with(reason))
                << text;
        EXPECT_EQ(readOrWrite(setup == "desktop is a file" ? desktop
                              : link                       ? m_dir / "target.txt"
                                                           : path),
                  setup == "file is a folder" || setup == "FIFO" ? "(none)" : previous);
        EXPECT_FALSE(fs::exists(m_dir / "gone"));
    }
    std::size_t files = 0;
    for (const auto &entry : fs::directory_iterator(fs::is_directory(desktop) ? desktop : m_dir))
        files += entry.is_regular_file() || entry.is_symlink();
    EXPECT_EQ(files, setup == "file is a folder" || setup == "FIFO" ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(
        Cases, Export,
        ::testing::Values(Case{"", 0, ""}, Case{"write1", 0, ""},
                          Case{"own link in a shared folder", 0, ""},
                          Case{"another user's link", 0, ""}, Case{"set-user-ID file", 0, ""},
                          Case{"another user's link in a shared folder", 0,
                               "/Desktop/hypothesis.txt is another user's link in a folder shared "
                               "by all users"},
                          Case{"dangling link", 0,
                               "/Desktop/hypothesis.txt is a link to a file that does not exist"},
                          Case{"FIFO", 0, "/Desktop/hypothesis.txt is not a regular file"},
                          Case{"desktop is a file", 0, "/Desktop is not a folder"},
                          Case{"file is a folder", 0, "a folder of that name is in the way"},
                          Case{"open", EACCES, "Permission denied"},
                          Case{"fchmod", EPERM, "Operation not permitted"},
                          Case{"write", ENOSPC, "No space left on device"},
                          Case{"write", 0, "the file could not be written completely"},
                          Case{"fsync", EIO, "Input/output error"},
                          Case{"close", EDQUOT, "Disk quota exceeded"},
                          Case{"rename", EXDEV, "Invalid cross-device link"},
                          Case{"rename", 0, "the file could not be written completely"}),
        [](const auto &info) {
            std::string name = info.param.setup + "_" + std::to_string(info.param.error);
            std::replace_if(
                    name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
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
    std::ofstream(config / "user-dirs.dirs") << "XDG_DESKTOP_DIR=/srv/desk\n";
    EXPECT_EQ(vspace::HypothesisFile::desktopFolder(), "/srv/desk");
    fs::remove_all(config);
    // Without an absolute HOME there is no desktop folder, and an export says so.
    ::setenv("HOME", "home/ann", 1);
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(vspace::HypothesisFile::desktopFolder(), "");
    ::unsetenv("HOME");
    EXPECT_EQ(vspace::HypothesisFile::desktopFolder(), "");
    const auto failure = vspace::HypothesisFile(vspace::HypothesisFile::pathIn("")).replace("x");
    EXPECT_TRUE(failure && failure->reason == vspace::ExportFailure::Reason::NoDesktop);
    // A folder named with slashes at its end, or the root, or ".".
    for (const auto &[folder, path] :
         {std::pair("/srv/desk//", "/srv/desk/hypothesis.txt"), std::pair("/", "/hypothesis.txt"),
          std::pair(".", "hypothesis.txt")})
        EXPECT_EQ(vspace::HypothesisFile::pathIn(folder), path);
}

} // namespace
