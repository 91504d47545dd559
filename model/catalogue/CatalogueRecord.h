#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

namespace morvane {

struct CatalogueEntry {
    qint16 number = 0;
    QString name;
    QString detail;
    qint16 auxValue = 0;
    qint16 stackSize = 0;
};

// A "NULL" stack size means 1 in the seed catalogue and 0 in item.dat.
inline constexpr qint16 kSeedNullStackSize = 1;
inline constexpr qint16 kRegisteredNullStackSize = 0;

// One line of a catalogue file, read from its code page 932 bytes: tab-
// separated number, name, detail, auxiliary value, exclusion flag and stack
// size; later fields are ignored. A tab or an ASCII digit is never part of a
// double-byte character, so the fields split safely before decoding.
struct ParsedRecord {
    enum class Verdict {
        Loaded,     // the fields below hold the record's values
        Excluded,   // a valid line that the catalogue deliberately leaves out
        Unreadable, // a line the record format cannot read
    };
    Verdict verdict = Verdict::Unreadable;
    qint16 number = 0;
    qint16 auxValue = 0;
    qint16 stackSize = 0;
    QByteArrayView name;   // still encoded, within the given line
    QByteArrayView detail;
};

ParsedRecord parseCatalogueRecord(QByteArrayView line, qint16 nullStackSize);

// The line item.dat receives for an entry (without its line end).
QString formatCatalogueRecord(const CatalogueEntry& entry);

} // namespace morvane
