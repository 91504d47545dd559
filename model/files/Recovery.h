#pragma once

#include "model/files/FileResult.h"

#include <QHash>
#include <QString>

namespace morvane {

// What recovery found and did before the data folder was read: a save cut
// short (by the program being stopped, or by a file it could not put in
// place) is finished when all its new files were written, else undone.
struct Recovery {
    enum class Outcome {
        Nothing,    // no save was cut short
        Finished,   // a complete save was cut short while putting its files in place
        Undone,     // a save was cut short before its files were complete
        Unfinished, // a complete save whose files could not all be put in place yet
    };

    Outcome outcome = Outcome::Nothing;
    // Unfinished: the first file that could not be put in place, and why.
    FileResult unfinishedFile = FileResult::success();
    // Unfinished: the save's new contents still waiting in temporaries, by the
    // file they replace. Reading them instead keeps the save whole until it
    // can be finished.
    QHash<QString, QString> waiting;

    QString fileToRead(const QString& fileName) const { return waiting.value(fileName, fileName); }
};

} // namespace morvane
