#include "model/catalogue/ItemCatalogue.h"

#include "model/text/CodePage932.h"

#include <QFileInfo>

namespace morvane {

CatalogueFileReport ItemCatalogue::loadFile(const QString& path, qint16 nullStackSize)
{
    CatalogueFileReport report;
    report.fileName = QFileInfo(path).fileName();
    FileContents file = readFileBytes(path);
    report.file = file.result;

    Segment segment{entryCount(), true, EncodedLines::sharing(file.bytes), EncodedLines::sharing(file.bytes)};
    // A record takes well over 16 bytes, and the catalogue never grows past its capacity.
    const int expectedEntries = int(qMin<qsizetype>(file.bytes.size() / 16 + 1, kCapacity - entryCount()));
    segment.names.reserve(expectedEntries);
    segment.details.reserve(expectedEntries);
    m_values.reserve(entryCount() + expectedEntries);
    const char* const base = file.bytes.constData();
    int lineNumber = 0;
    EncodedLines::forEachLine(file.bytes, [&](qsizetype position, qsizetype length) {
        ++lineNumber;
        const ParsedRecord record = parseCatalogueRecord(QByteArrayView(base + position, length), nullStackSize);
        switch (record.verdict) {
        case ParsedRecord::Verdict::Loaded:
            if (isFull()) {
                ++report.linesBeyondCapacity;
                break;
            }
            m_values.push_back({record.number, record.auxValue, record.stackSize});
            segment.names.appendSpan(record.name.data() - base, record.name.size());
            segment.details.appendSpan(record.detail.data() - base, record.detail.size());
            break;
        case ParsedRecord::Verdict::Excluded:
            break;
        case ParsedRecord::Verdict::Unreadable:
            if (report.unreadableLines++ == 0)
                report.firstUnreadableLine = lineNumber;
            break;
        }
    });
    if (segment.names.size() > 0)
        m_segments.push_back(std::move(segment));
    return report;
}

bool ItemCatalogue::append(const CatalogueEntry& entry)
{
    const std::optional<QByteArray> name = cp932::encode(entry.name);
    const std::optional<QByteArray> detail = cp932::encode(entry.detail);
    if (isFull() || !name || !detail)
        return false;
    // Registrations of this run get a segment of their own after the files'.
    if (m_segments.empty() || m_segments.back().fromFile)
        m_segments.push_back({entryCount(), false, EncodedLines(), EncodedLines()});
    m_values.push_back({entry.number, entry.auxValue, entry.stackSize});
    m_segments.back().names.append(*name);
    m_segments.back().details.append(*detail);
    return true;
}

const ItemCatalogue::Segment& ItemCatalogue::segmentOf(int position, int* index) const
{
    auto segment = m_segments.end();
    do
        --segment;
    while (segment->first > position);
    *index = position - segment->first;
    return *segment;
}

QString ItemCatalogue::name(int position) const
{
    int index = 0;
    const Segment& segment = segmentOf(position, &index);
    return segment.names.text(index);
}

QString ItemCatalogue::detail(int position) const
{
    int index = 0;
    const Segment& segment = segmentOf(position, &index);
    return segment.details.text(index);
}

CatalogueEntry ItemCatalogue::entry(int position) const
{
    const Values& values = m_values[position];
    return {values.number, name(position), detail(position), values.auxValue, values.stackSize};
}

} // namespace morvane
