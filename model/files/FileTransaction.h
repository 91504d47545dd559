#pragma once

#include "model/files/FileResult.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace morvane {

// Replaces whole files of one folder together, so that however the program
// ends (a crash, a kill, a power cut), the next reader finds every file as
// it was before or every file as it is after. The new contents go to
// numbered temporary files first; a journal naming them is written only once
// all are complete; the renames follow, and the journal goes last.
class FileTransaction {
public:
    enum class Recovery {
        Nothing,  // no save was interrupted
        Finished, // a complete save was interrupted while putting its files in place
        Undone,   // a save was interrupted before its files were complete
    };

    explicit FileTransaction(QString folder);

    void replace(const QString& fileName, QByteArray bytes);
    FileResult commit();

    // Brings the folder back to one whole state after an interrupted save;
    // run before any file of the folder is read.
    static Recovery recover(const QString& folder);

private:
    struct PendingFile {
        QString fileName;
        QByteArray bytes;
    };

    QString m_folder; // ends with a slash
    std::vector<PendingFile> m_files;
};

} // namespace morvane
