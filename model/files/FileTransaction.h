#pragma once

#include "model/files/DataFolder.h"
#include "model/files/FileResult.h"
#include "model/files/Recovery.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace morvane {

// Replaces whole files of one folder together, so that however the program
// ends (a crash, a kill, a power cut) or a rename fails, every later read
// finds every file as it was before or every file as it is after. The new
// contents go to temporary files named for this save alone; a journal naming
// them is written only once all are complete; the renames follow, and the
// journal goes last. Once the journal is in place the save is decided: a
// rename that fails leaves it for the next read or write to finish.
class FileTransaction {
public:
    explicit FileTransaction(DataFolder folder);

    void replace(const QString& fileName, QByteArray bytes);
    // A save left unfinished is finished first; when it cannot be, nothing
    // is written and the failure says why.
    FileResult commit();

    // The one way in to recovery: run before any file of the folder is read.
    // A save that cannot be finished keeps its journal and temporaries, to be
    // tried again at the next read.
    static Recovery recover(const DataFolder& folder);
    // Run before `fileName` is changed in place (appended to): an unfinished
    // save that replaces it is finished first, or the change would be lost
    // under that save's new contents. Fails when it cannot be.
    static FileResult finishSaveReplacing(const DataFolder& folder, const QString& fileName);

    // A file of an interrupted save whose new contents are complete but not
    // yet in place: `from` holds what the save wrote for `to`.
    struct PendingReplacement {
        QString from;
        QString to;
    };
    // What recover() would put in place, for a reader that must change
    // nothing: read `from` instead of `to` to see the folder as saved.
    static std::vector<PendingReplacement> pendingReplacements(const DataFolder& folder);

private:
    struct PendingFile {
        QString fileName;
        QByteArray bytes;
    };

    DataFolder m_folder;
    std::vector<PendingFile> m_files;
};

} // namespace morvane
