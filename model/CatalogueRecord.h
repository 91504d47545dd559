#pragma once

#include <QString>
#include <QStringView>
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

struct ParsedRecord {
    enum class Verdict {
        Loaded,     // entry holds the record's values
        Excluded,   // a valid line that the catalogue deliberately leaves out
        Unreadable, // a line the record format cannot read
    };
    Verdict verdict = Verdict::Unreadable;
    CatalogueEntry entry;
};

// One line of a catalogue file: tab-separated number, name, detail,
// auxiliary value, exclusion flag and stack size; later fields are ignored.
ParsedRecord parseCatalogueRecord(QStringView line, qint16 nullStackSize);

// The line item.dat receives for an entry (without its line end).
QString formatCatalogueRecord(const CatalogueEntry& entry);

} // namespace morvane
