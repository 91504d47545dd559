#include "model/holdings/Holdings.h"

#include "model/text/CodePage932.h"
#include "model/text/EncodedLines.h"

namespace morvane {

QStringList holdingsColumnNames()
{
    return {QStringLiteral("キャラクター"), QStringLiteral("場所"), QStringLiteral("アイテム"), QStringLiteral("個数")};
}

QStringList totalsColumnNames()
{
    return {QStringLiteral("アイテム"), QStringLiteral("合計"), QStringLiteral("キャラクター数"), QStringLiteral("キャラクター")};
}

const QString& Holdings::character(int row) const
{
    return m_characters[sourceOf(row).character];
}

QStringView Holdings::place(int row) const
{
    return isUnreadable(row) ? QStringView() : storageName(sourceOf(row).kind);
}

const QString& Holdings::item(int row) const
{
    const int item = m_rows[std::size_t(row)].item;
    return item < 0 ? sourceOf(row).unreadable : m_items[item];
}

Holdings::LineParts Holdings::partsOf(QByteArrayView line)
{
    // A tab is never part of a two-byte character, so the bytes can be split
    // as the text would be.
    const qsizetype tab = line.indexOf('\t');
    if (tab < 0)
        return {line, {}};
    qsizetype countAt = tab;
    while (countAt < line.size() && line[countAt] == '\t')
        ++countAt;
    return {line.first(tab), line.sliced(countAt)};
}

QByteArrayView Holdings::lineOf(const QByteArray& bytes, std::optional<std::vector<Span>>& spans, int line)
{
    if (!spans) {
        spans.emplace();
        EncodedLines::forEachLine(bytes, [&spans](qsizetype at, qsizetype length) {
            spans->push_back({at, length});
        });
    }
    if (std::size_t(line) >= spans->size())
        return {};
    const Span span = (*spans)[std::size_t(line)];
    return QByteArrayView(bytes).sliced(span.at, span.length);
}

QString Holdings::countText(int row) const
{
    if (isUnreadable(row))
        return {};
    const Source& source = sourceOf(row);
    return cp932::decode(partsOf(lineOf(source.lines, source.lineSpans, m_rows[std::size_t(row)].line)).count);
}

std::optional<int> Holdings::count(int row) const
{
    const int count = m_rows[std::size_t(row)].count;
    return count == kNotANumber ? std::nullopt : std::optional<int>(count);
}

QString Holdings::detail(int row) const
{
    if (isUnreadable(row))
        return {};
    // A line beyond the end of the detail file has an empty detail.
    const Source& source = sourceOf(row);
    return cp932::decode(lineOf(source.details, source.detailSpans, m_rows[std::size_t(row)].line));
}

QString Holdings::summary() const
{
    QString summary;
    if (m_lineCount > 0)
        summary = QStringLiteral("%1件　合計%2個（%3キャラクター）").arg(m_lineCount).arg(m_totalCount).arg(m_characterCount);
    else if (m_patternValid)
        summary = QStringLiteral("該当するアイテムはありません");
    else
        summary = QStringLiteral("該当するアイテムはありません（[ ] が閉じていないか、範囲の順が逆です）");
    if (unreadableCharacterCount() > 0)
        summary += QStringLiteral("　%1キャラクターのファイルを読み込めませんでした").arg(unreadableCharacterCount());
    return summary;
}

void Holdings::addTotals()
{
    // Items are numbered in the order first found, so item k is total k.
    // The sums are gathered in small arrays: one step per row.
    const std::size_t items = std::size_t(m_items.size());
    std::vector<qint64> counts(items, 0);
    std::vector<int> uncounted(items, 0);
    std::vector<int> holderCounts(items, 0);
    std::vector<int> lastHolder(items, -1);
    // Each item with each character that holds it, in roster order.
    std::vector<std::pair<int, int>> holders;
    int lastCounted = -1;
    for (const Row& row : m_rows) {
        if (row.item < 0)
            continue;
        ++m_lineCount;
        const std::size_t item = std::size_t(row.item);
        const int character = m_sources[std::size_t(row.source)].character;
        if (character != lastCounted) {
            // The rows come character by character.
            ++m_characterCount;
            lastCounted = character;
        }
        if (row.count == kNotANumber) {
            ++uncounted[item];
        } else {
            counts[item] += row.count;
            m_totalCount += row.count;
        }
        if (lastHolder[item] != character) {
            lastHolder[item] = character;
            ++holderCounts[item];
            holders.emplace_back(row.item, character);
        }
    }
    // Grouped by item, keeping the roster order within each.
    std::vector<std::size_t> next(items + 1, 0);
    for (std::size_t k = 0; k < items; ++k)
        next[k + 1] = next[k] + std::size_t(holderCounts[k]);
    std::vector<int> grouped(holders.size());
    for (const auto& [item, character] : holders)
        grouped[next[std::size_t(item)]++] = character;
    m_totals.reserve(items);
    std::size_t k = 0;
    for (std::size_t item = 0; item < items; ++item) {
        const std::size_t first = k;
        k += std::size_t(holderCounts[item]);
        qsizetype length = qsizetype(k - first) - 1;
        for (std::size_t h = first; h < k; ++h)
            length += m_characters[grouped[h]].size();
        QString names;
        names.reserve(length);
        for (std::size_t h = first; h < k; ++h) {
            if (h > first)
                names += u'、';
            names += m_characters[grouped[h]];
        }
        m_totals.push_back({m_items[qsizetype(item)], counts[item], uncounted[item], holderCounts[item], names});
    }
}

} // namespace morvane
