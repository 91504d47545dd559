#include "model/ItemCatalogue.h"

#include <QFileInfo>

namespace morvane {

CatalogueFileReport ItemCatalogue::loadFile(const QString& path, qint16 nullStackSize)
{
    CatalogueFileReport report;
    report.fileName = QFileInfo(path).fileName();
    const TextContent file = readText(path);
    report.status = file.status;
    report.reason = file.reason;

    const QList<QStringView> lines = splitLines(file.text);
    m_entries.reserve(qMin<qsizetype>(m_entries.size() + lines.size(), kCapacity));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ParsedRecord record = parseCatalogueRecord(lines.at(i), nullStackSize);
        switch (record.verdict) {
        case ParsedRecord::Verdict::Loaded:
            if (!append(record.entry))
                ++report.linesBeyondCapacity;
            break;
        case ParsedRecord::Verdict::Excluded:
            break;
        case ParsedRecord::Verdict::Unreadable:
            if (report.unreadableLines++ == 0)
                report.firstUnreadableLine = int(i) + 1;
            break;
        }
    }
    return report;
}

bool ItemCatalogue::append(const CatalogueEntry& entry)
{
    if (isFull())
        return false;
    m_entries.append(entry);
    return true;
}

void ItemCatalogue::removeLast()
{
    if (!m_entries.isEmpty())
        m_entries.removeLast();
}

} // namespace morvane
