#pragma once

#include "model/files/FileResult.h"

#include <QByteArray>
#include <QString>

#include <optional>
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

    // A file of an interrupted save whose new contents are complete but not
    // yet in place: `from` holds what the save wrote for `to`.
    struct Rename {
        QString from;
        QString to;
    };
    // What recover() would put in place, for a reader that must change
    // nothing: read `from` instead of `to` to see the folder as saved.
    static std::vector<Rename> pendingRenames(const QString& folder);

private:
    struct PendingFile {
        QString fileName;
        QByteArray bytes;
    };

    // Empty when there is no journal to read: no save was cut short after
    // its files were complete.
    static std::optional<std::vector<Rename>> readJournal(const QString& folder);

    QString m_folder; // ends with a slash
    std::vector<PendingFile> m_files;
};

} // namespace morvane
