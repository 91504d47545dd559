#pragma once

#include "model/Capacity.h"
#include "model/catalogue/CatalogueRecord.h"
#include "model/text/EncodedLines.h"
#include "model/text/TextFile.h"

#include <vector>

namespace morvane {

// What loading one catalogue file found, for the start-up report.
struct CatalogueFileReport {
    QString fileName;
    FileResult file = FileResult::success();
    int unreadableLines = 0;     // lines the record format cannot read
    int firstUnreadableLine = 0; // 1-based, 0 when none
    int linesBeyondCapacity = 0; // loadable lines left out because the catalogue was full
};

// Every item the player can put away, in load order: the seed catalogue
// first, then the items the player registered. Entries are never reordered
// or removed. Names and details stay in their files' encoding until read, so
// a full catalogue loads in the time it takes to scan its bytes.
class ItemCatalogue {
public:
    static constexpr int kCapacity = kListCapacity;
    // The catalogue shipped with the program, read before item.dat.
    static inline const QString kSeedFileName = QStringLiteral("item.20041101.txt");

    CatalogueFileReport loadFile(const QString& path, qint16 nullStackSize);

    bool isFull() const { return entryCount() >= kCapacity; }
    // False when full, or when a text holds a character code page 932 cannot hold.
    bool append(const CatalogueEntry& entry);

    int entryCount() const { return int(m_values.size()); }
    QString name(int position) const;
    QString detail(int position) const;
    qint16 stackSize(int position) const { return m_values[position].stackSize; }
    CatalogueEntry entry(int position) const;
    // Calls visit(name) for every entry in order while it returns true: a
    // walk over the whole catalogue without looking up each entry's file.
    template <typename Visit>
    void visitNames(Visit visit) const;

private:
    struct Values {
        qint16 number;
        qint16 auxValue;
        qint16 stackSize;
    };
    // The names and details of one file (or of the registrations of this
    // run), entries `first` onwards.
    struct Segment {
        int first = 0;
        bool fromFile = false;
        EncodedLines names;
        EncodedLines details;
    };

    const Segment& segmentOf(int position, int* index) const;

    std::vector<Values> m_values;
    std::vector<Segment> m_segments;
};

template <typename Visit>
void ItemCatalogue::visitNames(Visit visit) const
{
    for (const Segment& segment : m_segments)
        for (int k = 0; k < segment.names.size(); ++k)
            if (!visit(segment.names.text(k)))
                return;
}

} // namespace morvane
