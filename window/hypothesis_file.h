#pragma once

#include "export_file.h"

#include <QString>

namespace vspace {

// The export file on disk, replaced atomically: the new content is written beside it and renamed
// over it, so a failed export leaves the previous file as it was. The folder is created first
// if it does not exist yet.
class HypothesisFile : public ExportFile
{
public:
    explicit HypothesisFile(QString path);

    // hypothesis.txt in the user's desktop folder.
    static QString desktopPath();
    // hypothesis.txt in `folder`.
    static QString pathIn(const QString &folder);

    std::string path() const override;
    std::optional<std::string> replace(std::string_view bytes) override;

private:
    QString m_path;
};

} // namespace vspace
