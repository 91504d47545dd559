// The orders the rows and the totals can be shown in. Each sort compares
// one number per row, worked out first, so that sorting every line of every
// character takes no text comparison per step.
#include "model/holdings/Holdings.h"

#include <QHash>

#include <algorithm>
#include <numeric>

namespace morvane {
namespace {

// Each text's place among the texts in code order; equal texts share one.
std::vector<qint64> ranksOf(const QStringList& texts)
{
    std::vector<int> order(std::size_t(texts.size()));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&texts](int a, int b) { return texts[a] < texts[b]; });
    std::vector<qint64> ranks(order.size());
    qint64 rank = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (k > 0 && texts[order[k]] != texts[order[k - 1]])
            ++rank;
        ranks[std::size_t(order[k])] = rank;
    }
    return ranks;
}

// The positions sorted by their keys; equal keys keep their positions' order.
std::vector<int> sortedBy(const std::vector<qint64>& keys, Qt::SortOrder order)
{
    struct Keyed {
        qint64 key;
        int position;
    };
    std::vector<Keyed> keyed(keys.size());
    for (std::size_t k = 0; k < keys.size(); ++k)
        keyed[k] = {order == Qt::AscendingOrder ? keys[k] : -keys[k], int(k)};
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        return a.key != b.key ? a.key < b.key : a.position < b.position;
    });
    std::vector<int> positions(keyed.size());
    for (std::size_t k = 0; k < keyed.size(); ++k)
        positions[k] = keyed[k].position;
    return positions;
}

// Above every count a count text can hold.
constexpr qint64 kAfterEveryCount = 1'000'000'000;

} // namespace

std::vector<int> Holdings::rowOrder(HoldingsColumn column, Qt::SortOrder order) const
{
    std::vector<qint64> keys(m_rows.size());
    switch (column) {
    case HoldingsColumn::Character: {
        const std::vector<qint64> ranks = ranksOf(m_characters);
        for (std::size_t k = 0; k < m_rows.size(); ++k)
            keys[k] = ranks[std::size_t(sourceOf(int(k)).character)];
        break;
    }
    case HoldingsColumn::Place: {
        QStringList places{QString()};
        for (const StorageKindFiles& kind : kStorageKinds)
            places << kind.name.toString();
        const std::vector<qint64> ranks = ranksOf(places);
        for (std::size_t k = 0; k < m_rows.size(); ++k)
            keys[k] = isUnreadable(int(k)) ? ranks[0] : ranks[std::size_t(indexOf(sourceOf(int(k)).kind)) + 1];
        break;
    }
    case HoldingsColumn::Item: {
        // What could not be read ranks among the names.
        QStringList texts = m_items;
        std::vector<int> textOfRow(m_rows.size());
        for (std::size_t k = 0; k < m_rows.size(); ++k) {
            textOfRow[k] = m_rows[k].item;
            if (textOfRow[k] < 0) {
                textOfRow[k] = int(texts.size());
                texts << item(int(k));
            }
        }
        const std::vector<qint64> ranks = ranksOf(texts);
        for (std::size_t k = 0; k < m_rows.size(); ++k)
            keys[k] = ranks[std::size_t(textOfRow[k])];
        break;
    }
    case HoldingsColumn::Count: {
        // Numbers by value, then the other texts in code order.
        QHash<QString, int> textOf;
        QStringList texts;
        std::vector<int> textOfRow(m_rows.size(), -1);
        for (std::size_t k = 0; k < m_rows.size(); ++k) {
            if (m_rows[k].count != kNotANumber)
                continue;
            const QString text = countText(int(k));
            auto known = textOf.constFind(text);
            if (known == textOf.constEnd()) {
                known = textOf.insert(text, int(texts.size()));
                texts << text;
            }
            textOfRow[k] = *known;
        }
        const std::vector<qint64> ranks = ranksOf(texts);
        for (std::size_t k = 0; k < m_rows.size(); ++k)
            keys[k] = textOfRow[k] < 0 ? m_rows[k].count : kAfterEveryCount + ranks[std::size_t(textOfRow[k])];
        break;
    }
    }
    return sortedBy(keys, order);
}

std::vector<int> Holdings::totalsOrder(TotalsColumn column, Qt::SortOrder order) const
{
    std::vector<qint64> keys(m_totals.size());
    QStringList texts;
    for (const ItemTotal& total : m_totals) {
        switch (column) {
        case TotalsColumn::Item:
            texts << total.item;
            break;
        case TotalsColumn::Characters:
            texts << total.characterNames;
            break;
        case TotalsColumn::Count:
        case TotalsColumn::CharacterCount:
            break;
        }
    }
    const std::vector<qint64> ranks = ranksOf(texts);
    for (std::size_t k = 0; k < m_totals.size(); ++k) {
        switch (column) {
        case TotalsColumn::Item:
        case TotalsColumn::Characters:
            keys[k] = ranks[k];
            break;
        case TotalsColumn::Count:
            keys[k] = m_totals[k].count;
            break;
        case TotalsColumn::CharacterCount:
            keys[k] = m_totals[k].characterCount;
            break;
        }
    }
    return sortedBy(keys, order);
}

} // namespace morvane
