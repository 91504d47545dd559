#include "model/holdings/Holdings.h"

#include "model/text/CodePage932.h"

namespace morvane {

const QString& Holdings::character(int row) const
{
    return m_characters[m_rows[std::size_t(row)].character];
}

QStringView Holdings::place(int row) const
{
    return isUnreadable(row) ? QStringView() : storageName(m_rows[std::size_t(row)].kind);
}

const QString& Holdings::item(int row) const
{
    const Row& found = m_rows[std::size_t(row)];
    return found.source < 0 ? m_unreadable[found.item] : m_items[found.item];
}

QString Holdings::countText(int row) const
{
    const Row& found = m_rows[std::size_t(row)];
    if (found.source < 0)
        return {};
    return cp932::decode(QByteArrayView(m_sources[std::size_t(found.source)].lines).sliced(found.countAt, found.countLength));
}

std::optional<int> Holdings::count(int row) const
{
    const int count = m_rows[std::size_t(row)].count;
    return count == kNotANumber ? std::nullopt : std::optional<int>(count);
}

QString Holdings::detail(int row) const
{
    const Row& found = m_rows[std::size_t(row)];
    if (found.source < 0)
        return {};
    return cp932::decode(
        QByteArrayView(m_sources[std::size_t(found.source)].details).sliced(found.detailAt, found.detailLength));
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
    std::vector<int> totalOfItem(std::size_t(m_items.size()), -1);
    std::vector<int> lastCharacter; // per total: the last character added to it
    int lastCounted = -1;
    for (const Row& row : m_rows) {
        if (row.source < 0)
            continue;
        ++m_lineCount;
        if (row.character != lastCounted) {
            // The rows come character by character.
            ++m_characterCount;
            lastCounted = row.character;
        }
        int& total = totalOfItem[std::size_t(row.item)];
        if (total < 0) {
            total = int(m_totals.size());
            m_totals.push_back({m_items[row.item], 0, 0, {}});
            lastCharacter.push_back(-1);
        }
        ItemTotal& itemTotal = m_totals[std::size_t(total)];
        if (row.count == kNotANumber) {
            ++itemTotal.uncountedLines;
        } else {
            itemTotal.count += row.count;
            m_totalCount += row.count;
        }
        if (lastCharacter[std::size_t(total)] != row.character) {
            lastCharacter[std::size_t(total)] = row.character;
            itemTotal.characters.append(m_characters[row.character]);
        }
    }
}

} // namespace morvane
