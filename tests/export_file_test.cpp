#include "engine.h"
#include "hypothesis_file.h"
#include "memory_controls.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

bool run(const QString &command) { return std::system(qPrintable(command + " >/dev/null 2>&1")) == 0; }

QByteArray readOrWrite(const QString &path, const QByteArray &bytes = {})
{
    QFile file(path);
    if (!file.open(bytes.isNull() ? QIODevice::ReadOnly : QIODevice::WriteOnly))
        return "(none)";
    return bytes.isNull() ? file.readAll() : QByteArray::number(file.write(bytes));
}

// How the export is set up to fail (or not), the message's end, the length of the long value.
class Export : public ::testing::TestWithParam<std::tuple<QString, std::string, int>>
{
protected:
    void TearDown() override { run("umount " + m_dir.filePath("Desktop")); }
    QTemporaryDir m_dir;
};

// Exports two version-space rows, the first with a long value, and checks the message, the file
// written or the previous file kept, and that no temporary file is left beside it.
TEST_P(Export, ReplacesTheFileOrReportsPathAndReasonAndKeepsThePreviousOne)
{
    const auto &[fault, reason, length] = GetParam();
    const QString desktop = m_dir.filePath("Desktop"), path = desktop + "/hypothesis.txt";
    const QByteArray previous = "\"previous,?,?,?,?,?\"\r\n";
    if (fault.endsWith("disk") || fault == "read only") {
        QDir().mkpath(desktop);
        if (geteuid() != 0 || !run("mount -t tmpfs -o size=64k tmpfs " + desktop))
            GTEST_SKIP() << "a small tmpfs can only be mounted as root";
        readOrWrite(path, previous);
        readOrWrite(desktop + "/other", QByteArray(fault == "nearly full disk" ? 56 * 1024 : 0, 'o'));
        ASSERT_TRUE(fault != "read only" || run("mount -o remount,ro " + desktop));
    }
    if (fault == "desktop is a file")
        readOrWrite(desktop, previous);
    if (fault == "file is a folder")
        QDir().mkpath(path);
    vspace::MemoryControls controls;
    controls.append(vspace::ListId::List4, std::string(static_cast<std::size_t>(length), 'v') + ",b,?,?,?,?");
    controls.append(vspace::ListId::List4, "?,b,c,?,?,?");
    vspace::HypothesisFile file(path);
    vspace::Engine(controls).Command4_Click(file);
    const std::string message = controls.messages().at(0).title + ": " + controls.messages().at(0).text;
    if (fault.isEmpty()) {
        EXPECT_EQ(message, "Text File: Your TextFile Generate in Desktop is Hypothesis.txt");
        EXPECT_EQ(readOrWrite(path), "\"vvv,b,?,?,?,?\"\r\n\"?,b,c,?,?,?\"\r\n");
    } else {
        EXPECT_TRUE(message.starts_with("Text File: The hypothesis file " + path.toStdString() + " could not be written: ")
                    && message.ends_with(reason)) << message;
        EXPECT_EQ(readOrWrite(fault == "desktop is a file" ? desktop : path), fault == "file is a folder" ? "(none)" : previous);
    }
    EXPECT_EQ(QDir(desktop).entryList(QDir::Files).size(), fault.endsWith("disk") || fault == "read only" ? 2 : fault.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, Export,
    ::testing::Values(std::tuple("", "", 3), std::tuple("desktop is a file", "/Desktop is not a folder", 1),
                      std::tuple("file is a folder", "a folder of that name is in the way", 1),
                      std::tuple("read only", "Read-only file system", 1),
                      std::tuple("full disk", "No space left on device", 100000),
                      // A short write that only the final flush meets.
                      std::tuple("nearly full disk", "No space left on device", 8200)),
    [](const auto &info) { return QString(std::get<0>(info.param)).replace(' ', '_').toStdString() + "_"; });

} // namespace
