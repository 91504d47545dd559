#pragma once

#include "model/files/DataFolder.h"
#include "model/files/FileResult.h"
#include "model/files/Recovery.h"
#include "model/text/TextFile.h"

#include <QStringList>

namespace morvane {

// The player's characters in roster order, mirrored in cname.dat one name a
// line. Each change is written at once; a failed write leaves the roster as
// it was, so what is listed always matches the file.
class CharacterRoster {
public:
    static inline const QString kFileName = QStringLiteral("cname.dat");

    explicit CharacterRoster(DataFolder folder);

    // A missing file is an empty roster. Read as recovery left the folder.
    FileResult load(const Recovery& recovery);
    FileResult append(const QString& name);
    FileResult removeAt(int position);

    const QStringList& names() const { return m_names; }

private:
    QString filePath() const;

    DataFolder m_folder;
    QStringList m_names;
};

} // namespace morvane
