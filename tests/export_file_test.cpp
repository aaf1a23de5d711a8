#include "hypothesis_file.h"
#include "process.h"
#include "test_session.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <unistd.h>

namespace vspace::testing {
namespace {

namespace fs = std::filesystem;

const std::string kPrevious = "\"previous,?,?,?,?,?\"\r\n";

// A session whose version space has five rows, one of them holding a long value.
TestSession withVersionSpace(const std::string &value)
{
    TestSession s;
    s.positive({value, "b", "c", "d", "e", "f"});
    s.negative({"x", "b", "c", "d", "e", "f"});
    s.controls.takeMessages();
    return s;
}

std::string exportMessage(TestSession &s, const fs::path &path)
{
    HypothesisFile file(QString::fromStdString(path.string()));
    s.engine.Command4_Click(file);
    const std::vector<MemoryControls::Message> messages = s.controls.takeMessages();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.at(0).title, "Text File");
    return messages.at(0).text;
}

bool run(const std::string &command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

TEST(ExportFile, CreatesTheFolderAndReplacesTheFile)
{
    TempDir dir;
    TestSession s = withVersionSpace("a");
    const fs::path path = dir.path() / "new" / "Desktop" / "hypothesis.txt";
    EXPECT_EQ(exportMessage(s, path), "Your TextFile Generate in Desktop is Hypothesis.txt");
    EXPECT_EQ(readFile(path), hypothesis_file_bytes(s.controls));
    EXPECT_EQ(readFile(path).size(), 5u * 15u);
    s.engine.Command6_Click();
    exportMessage(s, path);
    EXPECT_EQ(readFile(path), "");
    const std::vector<fs::path> left{fs::directory_iterator(path.parent_path()), {}};
    EXPECT_EQ(left.size(), 1u) << "a temporary file was left beside the export";
}

TEST(ExportFile, DesktopPathIsInTheUserDesktopFolder)
{
    EXPECT_TRUE(HypothesisFile::desktopPath().endsWith(QStringLiteral("/hypothesis.txt")));
    EXPECT_EQ(HypothesisFile::pathIn(QStringLiteral("/tmp/x")), QStringLiteral("/tmp/x/hypothesis.txt"));
}

struct Fault
{
    const char *name;
    const char *reason; // a part of the message
    std::size_t valueLength = 100000;
};

class ExportFaults : public ::testing::TestWithParam<Fault>
{
protected:
    void TearDown() override
    {
        if (!m_mount.empty())
            run("umount " + m_mount.string());
    }

    // Prepares the fault in `dir`; returns the export path, or an empty path to skip.
    fs::path prepare(const std::string &name, const fs::path &dir, std::string &skip)
    {
        if (name == "desktop_is_a_file") {
            writeFile(dir / "Desktop", kPrevious);
            return dir / "Desktop" / "hypothesis.txt";
        }
        if (name == "file_is_a_folder") {
            fs::create_directories(dir / "Desktop" / "hypothesis.txt");
            return dir / "Desktop" / "hypothesis.txt";
        }
        const fs::path desktop = dir / "Desktop";
        fs::create_directories(desktop);
        if (name == "read_only_desktop") {
            if (geteuid() != 0) {
                writeFile(desktop / "hypothesis.txt", kPrevious);
                fs::permissions(desktop, fs::perms::owner_read | fs::perms::owner_exec);
                return desktop / "hypothesis.txt";
            }
            if (!run("mount -t tmpfs -o size=1m tmpfs " + desktop.string())) {
                skip = "mounting a tmpfs needs privileges this machine does not give";
                return {};
            }
            m_mount = desktop;
            writeFile(desktop / "hypothesis.txt", kPrevious);
            if (!run("mount -o remount,ro " + desktop.string())) {
                skip = "remounting read-only failed";
                return {};
            }
            return desktop / "hypothesis.txt";
        }
        // A 64 KiB tmpfs: an export of several hundred KiB, or one of 8 KiB with 56 KiB taken.
        if (geteuid() != 0 || !run("mount -t tmpfs -o size=64k tmpfs " + desktop.string())) {
            skip = "a small tmpfs can only be mounted as root";
            return {};
        }
        m_mount = desktop;
        writeFile(desktop / "hypothesis.txt", kPrevious);
        if (name == "nearly_full_disk")
            writeFile(desktop / "other", std::string(56 * 1024, 'o'));
        return desktop / "hypothesis.txt";
    }

private:
    fs::path m_mount;
};

TEST_P(ExportFaults, ReportPathAndReasonAndKeepThePreviousFile)
{
    TempDir dir;
    std::string skip;
    const fs::path path = prepare(GetParam().name, dir.path(), skip);
    if (path.empty())
        GTEST_SKIP() << skip;
    const bool hadFile = fs::is_regular_file(path);
    TestSession s = withVersionSpace(std::string(GetParam().valueLength, 'v'));
    const std::string message = exportMessage(s, path);
    EXPECT_EQ(message.rfind("The hypothesis file " + path.string() + " could not be written: ", 0), 0u)
        << message;
    EXPECT_NE(message.find(GetParam().reason), std::string::npos) << message;
    if (hadFile) {
        EXPECT_EQ(readFile(path), kPrevious);
    }
    EXPECT_EQ(s.list(ListId::List4).size(), 5u);
}

INSTANTIATE_TEST_SUITE_P(Faults, ExportFaults,
                         ::testing::Values(Fault{"desktop_is_a_file", "is not a folder"},
                                           Fault{"file_is_a_folder", "folder"},
                                           Fault{"read_only_desktop", "Read-only file system"},
                                           Fault{"full_disk", "No space left on device"},
                                           // A short write that only the final flush meets.
                                           Fault{"nearly_full_disk", "No space left on device", 1600}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace vspace::testing
