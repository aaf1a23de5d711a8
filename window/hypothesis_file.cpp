#include "hypothesis_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <system_error>

namespace vspace {

namespace {

constexpr auto kFileName = "hypothesis.txt";

// Qt reports some write failures, a full disk among them, only as "Unknown error"; the system's
// own word for the failure says more.
std::string reasonOf(const QFileDevice &file, int systemError)
{
    if (systemError != 0)
        return std::generic_category().message(systemError);
    const QString reason = file.errorString();
    if (!reason.isEmpty() && reason != QLatin1String("Unknown error"))
        return reason.toStdString();
    return "the file could not be written completely";
}

} // namespace

HypothesisFile::HypothesisFile(QString path)
    : m_path(std::move(path))
{}

QString HypothesisFile::desktopPath()
{
    return pathIn(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
}

QString HypothesisFile::pathIn(const QString &folder)
{
    return QDir(folder).filePath(QString::fromLatin1(kFileName));
}

std::string HypothesisFile::path() const
{
    return QDir::toNativeSeparators(m_path).toStdString();
}

std::optional<std::string> HypothesisFile::replace(std::string_view bytes)
{
    const QString folder = QFileInfo(m_path).absolutePath();
    const QFileInfo folderInfo(folder);
    if (folderInfo.exists() && !folderInfo.isDir())
        return QDir::toNativeSeparators(folder).toStdString() + " is not a folder";
    if (!QDir().mkpath(folder))
        return "the folder " + QDir::toNativeSeparators(folder).toStdString()
               + " could not be created";
    if (QFileInfo(m_path).isDir())
        return "a folder of that name is in the way";

    QSaveFile file(m_path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return reasonOf(file, errno);
    // QSaveFile can take a short write for a whole one and commit a truncated file, so the
    // written size is checked before the new file replaces the old one.
    const auto size = static_cast<qint64>(bytes.size());
    errno = 0;
    const qint64 written = file.write(bytes.data(), size);
    const bool flushed = file.flush();
    const int systemError = errno;
    if (written != size || !flushed || file.size() != size) {
        file.cancelWriting();
        return reasonOf(file, systemError);
    }
    errno = 0;
    if (!file.commit())
        return reasonOf(file, errno);
    return std::nullopt;
}

} // namespace vspace
