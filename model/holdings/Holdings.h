#pragma once

#include "model/storage/StorageKinds.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <Qt>

#include <optional>
#include <vector>

namespace morvane {

enum class HoldingsColumn { Character, Place, Item, Count };
enum class TotalsColumn { Item, Count, CharacterCount, Characters };

// The columns' headings in each enum's order; the window's tables and the CSV
// head them alike.
QStringList holdingsColumnNames();
QStringList totalsColumnNames();

// What a search of every character's storages found: a row for each stored
// line whose item name matched, in roster order, the storages in the kinds'
// order and their lines in order; and a row for each character some of whose
// files could not be read, before that character's other rows.
class Holdings {
public:
    int rowCount() const { return int(m_rows.size()); }
    const QString& character(int row) const;
    // The storage's name; empty on a row for files that could not be read.
    QStringView place(int row) const;
    // The item name, or which files could not be read and why.
    const QString& item(int row) const;
    // What follows the tabs after the name, as it stands.
    QString countText(int row) const;
    // The count when the count text is a whole number: digits only (at most
    // nine), spaces around them allowed. Other rows count for nothing.
    std::optional<int> count(int row) const;
    // The detail text stored with the line, as stored.
    QString detail(int row) const;
    bool isUnreadable(int row) const { return m_rows[std::size_t(row)].item < 0; }

    struct ItemTotal {
        QString item;
        qint64 count = 0; // of the lines whose count is a number
        int uncountedLines = 0; // lines whose count is not a number
        int characterCount = 0;
        QString characterNames; // in roster order, joined by "、"
    };
    // One for each item found, in the order first found.
    const std::vector<ItemTotal>& totals() const { return m_totals; }

    int lineCount() const { return m_lineCount; }
    qint64 totalCount() const { return m_totalCount; }
    int characterCount() const { return m_characterCount; }
    int unreadableCharacterCount() const { return rowCount() - lineCount(); }
    // "N件　合計M個（Kキャラクター）", or that nothing matched, and how many
    // characters could not be read.
    QString summary() const;

    // The rows, or the totals, in the order of a column; equal ones keep
    // their order. Text in the order of its UTF-16 codes, as the storages
    // sort; counts by number, and those that are no number after them.
    std::vector<int> rowOrder(HoldingsColumn column, Qt::SortOrder order) const;
    std::vector<int> totalsOrder(TotalsColumn column, Qt::SortOrder order) const;

private:
    friend class HoldingsReader;

    static constexpr int kNotANumber = -1;

    struct Span {
        qsizetype at;
        qsizetype length;
    };
    // Where rows come from: a storage with at least one row, with its list
    // and detail files' bytes, or a character's files that could not be read.
    struct Source {
        int character; // in m_characters
        StorageKind kind;
        QByteArray lines;
        QByteArray details;
        QString unreadable; // what could not be read, for a source of that kind
        // Where each line lies, found when first asked for: a search itself
        // never needs them.
        mutable std::optional<std::vector<Span>> lineSpans = {};
        mutable std::optional<std::vector<Span>> detailSpans = {};
    };
    // Kept small: a search for everything has one for every stored line.
    struct Row {
        int source; // in m_sources
        int item; // in m_items; -1 on a row for unreadable files
        int count; // kNotANumber when the count text is not a whole number
        int line; // in the storage
    };
    // A stored line's name and count, as a line is read back: the text
    // before the first tab, and what follows the tabs after it.
    struct LineParts {
        QByteArrayView name;
        QByteArrayView count;
    };
    static LineParts partsOf(QByteArrayView line);
    // Line `line` of the bytes; empty beyond their end.
    static QByteArrayView lineOf(const QByteArray& bytes, std::optional<std::vector<Span>>& spans, int line);

    const Source& sourceOf(int row) const { return m_sources[std::size_t(m_rows[std::size_t(row)].source)]; }
    void addTotals();

    QStringList m_characters;
    std::vector<Source> m_sources;
    std::vector<Row> m_rows;
    QStringList m_items;
    std::vector<ItemTotal> m_totals;
    int m_lineCount = 0;
    qint64 m_totalCount = 0;
    int m_characterCount = 0;
    bool m_patternValid = true;
};

} // namespace morvane
