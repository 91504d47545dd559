#pragma once

#include "model/CatalogueRecord.h"
#include "model/TextFile.h"

#include <QList>

namespace morvane {

// What loading one catalogue file found, for the start-up report.
struct CatalogueFileReport {
    QString fileName;
    ReadResult::Status status = ReadResult::Status::Missing;
    QString reason;             // why the file could not be read
    int unreadableLines = 0;    // lines the record format cannot read
    int firstUnreadableLine = 0; // 1-based, 0 when none
    int linesBeyondCapacity = 0; // loadable lines left out because the catalogue was full
};

// Every item the player can put away, in load order: the seed catalogue
// first, then the items the player registered. Entries are never reordered
// or removed, except that a registration whose file write failed is undone.
class ItemCatalogue {
public:
    static constexpr int kCapacity = 10001;

    CatalogueFileReport loadFile(const QString& path, qint16 nullStackSize);

    bool isFull() const { return m_entries.size() >= kCapacity; }
    bool append(const CatalogueEntry& entry);
    void removeLast();

    int entryCount() const { return int(m_entries.size()); }
    const CatalogueEntry& entry(int position) const { return m_entries.at(position); }

private:
    QList<CatalogueEntry> m_entries;
};

} // namespace morvane
