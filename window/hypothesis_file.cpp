#include "hypothesis_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace vspace {

namespace {

constexpr auto kFileName = "hypothesis.txt";

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
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString().toStdString();
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        const std::string reason = file.errorString().toStdString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString().toStdString();
    return std::nullopt;
}

} // namespace vspace
