#include "model/holdings/HoldingsSearch.h"

#include "model/characters/CharacterName.h"
#include "model/files/FileTransaction.h"
#include "model/storage/Storage.h"
#include "model/text/CodePage932.h"
#include "model/text/EncodedLines.h"
#include "model/text/TextFile.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace morvane {

// Gathers the holdings character by character, storage by storage.
class HoldingsReader {
public:
    explicit HoldingsReader(const WildcardPattern& pattern)
        : m_pattern(pattern)
    {
        m_holdings.m_patternValid = pattern.isValid();
    }

    // Returns the character's number for the rows.
    int addCharacter(const QString& name)
    {
        m_holdings.m_characters.append(name);
        return int(m_holdings.m_characters.size()) - 1;
    }
    void addStorage(int character, StorageKind kind, QByteArray lines, QByteArray details);
    void addUnreadable(int character, const QString& what)
    {
        m_holdings.m_rows.push_back({character, -1, int(m_holdings.m_unreadable.size()), StorageKind{}, 0, 0, 0});
        m_holdings.m_unreadable.append(what);
    }
    Holdings finish()
    {
        m_holdings.addTotals();
        return std::move(m_holdings);
    }

private:
    int itemOf(QByteArrayView name);

    Holdings m_holdings;
    const WildcardPattern& m_pattern;
    // Names repeat across characters, so each is decoded and matched once.
    // The names point into the files' bytes, which are kept until the
    // search ends: those of storages without rows in m_unmatched.
    QHash<QByteArrayView, int> m_itemOfName;
    std::vector<QByteArray> m_unmatched;
    // Two byte forms of one name (code page 932 has a few characters twice)
    // are one item.
    QHash<QString, int> m_itemOfText;
};

namespace {

constexpr int kLongestCount = 9;

int countOf(QByteArrayView text)
{
    while (!text.isEmpty() && text.front() == ' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == ' ')
        text.chop(1);
    if (text.isEmpty() || text.size() > kLongestCount)
        return -1;
    int count = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        count = count * 10 + (c - '0');
    }
    return count;
}

// The saved contents of one of a character's files: the file, or what an
// interrupted save holds for it. A missing file reads as empty; a failure
// names the player's file.
FileContents readSaved(const DataFolder& folder, const QString& fileName, const QHash<QString, QString>& savedElsewhere)
{
    bool more = false;
    FileContents contents = readLeadingLines(savedElsewhere.value(fileName, folder.filePath(fileName)),
                                             Storage::kCapacity, &more);
    if (!contents.result.ok())
        contents.result = FileResult::failure(folder.filePath(fileName), contents.result.reason());
    return contents;
}

void addSavedCharacter(HoldingsReader& reader, const DataFolder& folder, int character, const QString& name,
                       const QHash<QString, QString>& savedElsewhere)
{
    if (!isUsableCharacterName(name))
        return; // such a character never has files
    QStringList failures;
    std::vector<std::pair<StorageKind, std::array<FileContents, 2>>> storages;
    for (const StorageKindFiles& kind : kStorageKinds) {
        std::array<FileContents, 2> files{readSaved(folder, kind.listFile(name), savedElsewhere),
                                          readSaved(folder, kind.detailFile(name), savedElsewhere)};
        for (const FileContents& file : files)
            if (!file.result.ok())
                failures << QStringLiteral("%1（%2）").arg(QFileInfo(file.result.path()).fileName(), file.result.reason());
        // Without its details the lines are still the character's; without
        // its lines the storage cannot be searched.
        if (files[0].result.ok())
            storages.emplace_back(kind.kind, std::move(files));
    }
    if (!failures.isEmpty())
        reader.addUnreadable(character, QStringLiteral("読み込めませんでした：") + failures.join(QStringLiteral("、")));
    for (auto& [kind, files] : storages)
        reader.addStorage(character, kind, std::move(files[0].bytes), std::move(files[1].bytes));
}

} // namespace

int HoldingsReader::itemOf(QByteArrayView name)
{
    auto known = m_itemOfName.constFind(name);
    if (known != m_itemOfName.constEnd())
        return *known;
    int item = -1;
    const QString text = cp932::decode(name);
    if (m_pattern.matches(text)) {
        auto same = m_itemOfText.constFind(text);
        if (same == m_itemOfText.constEnd()) {
            same = m_itemOfText.insert(text, int(m_holdings.m_items.size()));
            m_holdings.m_items.append(text);
        }
        item = *same;
    }
    m_itemOfName.insert(name, item);
    return item;
}

void HoldingsReader::addStorage(int character, StorageKind kind, QByteArray lines, QByteArray details)
{
    const int source = int(m_holdings.m_sources.size());
    std::vector<Holdings::Row>& rows = m_holdings.m_rows;
    const std::size_t firstRow = rows.size();
    std::vector<int> matchedLines;
    int lineNumber = 0;
    EncodedLines::forEachLine(lines, [&](qsizetype at, qsizetype length) {
        const int line = lineNumber++;
        const QByteArrayView text(lines.constData() + at, length);
        const qsizetype tab = text.indexOf('\t');
        const int item = itemOf(tab < 0 ? text : text.first(tab));
        if (item < 0)
            return;
        // The count follows the tabs after the name, as a storage line is read back.
        qsizetype countAt = tab < 0 ? length : tab;
        while (countAt < length && text[countAt] == '\t')
            ++countAt;
        rows.push_back({character, source, item, kind, countOf(text.sliced(countAt)), at + countAt, length - countAt});
        matchedLines.push_back(line);
    });
    if (matchedLines.empty()) {
        m_unmatched.push_back(std::move(lines));
        return;
    }
    // A line beyond the end of the detail file has an empty detail.
    std::size_t next = 0;
    int detailLine = 0;
    EncodedLines::forEachLine(details, [&](qsizetype at, qsizetype length) {
        if (next < matchedLines.size() && matchedLines[next] == detailLine) {
            rows[firstRow + next].detailAt = at;
            rows[firstRow + next].detailLength = length;
            ++next;
        }
        ++detailLine;
    });
    m_holdings.m_sources.push_back({std::move(lines), std::move(details)});
}

Holdings searchHoldings(const HoldingsScope& scope, const QString& text, WildcardPattern::Matching matching)
{
    const WildcardPattern pattern(QStringLiteral("*") + text + QStringLiteral("*"), matching);

    QHash<QString, QString> savedElsewhere;
    for (const FileTransaction::Rename& rename : FileTransaction::pendingRenames(scope.folder.path()))
        savedElsewhere.insert(QFileInfo(rename.to).fileName(), rename.from);

    HoldingsReader reader(pattern);
    QSet<QString> searched;
    for (const QString& name : scope.roster) {
        if (searched.contains(name))
            continue;
        searched.insert(name);
        const int character = reader.addCharacter(name);
        if (scope.chosen && scope.chosen->name == name) {
            for (const StorageKindFiles& kind : kStorageKinds) {
                const Storage& storage = *scope.chosen->storages[indexOf(kind.kind)];
                reader.addStorage(character, kind.kind, storage.listFileBytes(), storage.detailFileBytes());
            }
        } else {
            addSavedCharacter(reader, scope.folder, character, name, savedElsewhere);
        }
    }
    return reader.finish();
}

} // namespace morvane
