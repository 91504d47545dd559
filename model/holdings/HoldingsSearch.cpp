#include "model/holdings/HoldingsSearch.h"

#include "model/characters/CharacterName.h"
#include "model/files/FileTransaction.h"
#include "model/holdings/NameTable.h"
#include "model/storage/Storage.h"
#include "model/text/CodePage932.h"
#include "model/text/EncodedLines.h"
#include "model/text/TextFile.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>
#include <cstdint>

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
    // Room for every line of that many full storages: a search for
    // everything then never moves its rows, and pages not used are never
    // touched.
    void expectStorages(int storages) { m_holdings.m_rows.reserve(std::size_t(storages) * Storage::kCapacity); }
    void addStorage(int character, StorageKind kind, QByteArray lines, QByteArray details);
    void addUnreadable(int character, const QString& what)
    {
        m_holdings.m_rows.push_back({int(m_holdings.m_sources.size()), -1, 0, 0});
        m_holdings.m_sources.push_back({character, StorageKind{}, {}, {}, what});
    }
    Holdings finish()
    {
        m_holdings.addTotals();
        m_holdings.m_rows.shrink_to_fit();
        return std::move(m_holdings);
    }

private:
    // A line whose name is being looked up.
    struct Pending {
        Holdings::LineParts parts;
        std::uint64_t hash;
        int line;
    };

    int itemOf(QByteArrayView name, std::uint64_t hash);
    static int countOf(QByteArrayView text);

    Holdings m_holdings;
    const WildcardPattern& m_pattern;
    // Names repeat across characters, so each is decoded and matched once.
    NameTable m_itemOfName;
    // Two byte forms of one name (code page 932 has a few characters twice)
    // are one item.
    QHash<QString, int> m_itemOfText;
};

namespace {

// A full storage file of long lines is a few megabytes; one much larger was
// made by hand and is read only as far as a storage reaches.
constexpr qint64 kLargestFileReadWhole = 64 * 1024 * 1024;

// The saved contents of one of a character's files: the file, or what an
// interrupted save holds for it. A missing file reads as empty; a failure
// names the player's file. Lines beyond a storage's capacity may come with
// it; they are never searched.
FileContents readSaved(const DataFolder& folder, const QString& fileName, const QHash<QString, QString>& savedElsewhere)
{
    const QString path = savedElsewhere.value(fileName, folder.filePath(fileName));
    bool more = false;
    FileContents contents = QFileInfo(path).size() <= kLargestFileReadWhole
        ? readFileBytes(path)
        : readLeadingLines(path, Storage::kCapacity, &more);
    if (!contents.result.ok())
        contents.result = FileResult::failure(folder.filePath(fileName), contents.result.reason());
    return contents;
}

void addSavedCharacter(HoldingsReader& reader, const DataFolder& folder, int character, const QString& name,
                       const QHash<QString, QString>& savedElsewhere)
{
    if (!validateCharacterName(name).isEmpty())
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

int HoldingsReader::countOf(QByteArrayView text)
{
    constexpr int kLongestCount = 9;
    while (!text.isEmpty() && text.front() == ' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == ' ')
        text.chop(1);
    if (text.isEmpty() || text.size() > kLongestCount)
        return Holdings::kNotANumber;
    int count = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return Holdings::kNotANumber;
        count = count * 10 + (c - '0');
    }
    return count;
}

int HoldingsReader::itemOf(QByteArrayView name, std::uint64_t hash)
{
    const int known = m_itemOfName.find(name, hash);
    if (known != NameTable::kAbsent)
        return known;
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
    m_itemOfName.insert(name, hash, item);
    return item;
}

void HoldingsReader::addStorage(int character, StorageKind kind, QByteArray lines, QByteArray details)
{
    const int source = int(m_holdings.m_sources.size());
    std::vector<Holdings::Row>& rows = m_holdings.m_rows;
    const std::size_t rowsBefore = rows.size();
    const auto take = [&](const Pending& pending) {
        const int item = itemOf(pending.parts.name, pending.hash);
        if (item >= 0)
            rows.push_back({source, item, countOf(pending.parts.count), pending.line});
    };
    // A name's lookup mostly waits for its slot of the table to come from
    // memory: each is asked for a few lines ahead, so that the waits overlap.
    constexpr int kAhead = 8;
    std::array<Pending, kAhead> ahead;
    int line = 0;
    EncodedLines::forEachLine(lines, [&](qsizetype at, qsizetype length) {
        if (line == Storage::kCapacity)
            return;
        Pending& next = ahead[std::size_t(line % kAhead)];
        if (line >= kAhead)
            take(next);
        next.parts = Holdings::partsOf(QByteArrayView(lines.constData() + at, length));
        next.hash = NameTable::hashOf(next.parts.name);
        next.line = line++;
        m_itemOfName.prefetch(next.hash);
    });
    for (int waiting = std::max(0, line - kAhead); waiting < line; ++waiting)
        take(ahead[std::size_t(waiting % kAhead)]);
    if (rows.size() > rowsBefore)
        m_holdings.m_sources.push_back({character, kind, std::move(lines), std::move(details), {}});
}

Holdings searchHoldings(const HoldingsScope& scope, const QString& text, WildcardPattern::Matching matching)
{
    const WildcardPattern pattern(QStringLiteral("*") + text + QStringLiteral("*"), matching);

    QHash<QString, QString> savedElsewhere;
    for (const FileTransaction::PendingReplacement& rename : FileTransaction::pendingReplacements(scope.folder))
        savedElsewhere.insert(QFileInfo(rename.to).fileName(), rename.from);

    HoldingsReader reader(pattern);
    reader.expectStorages(int(scope.roster.size()) * kStorageKindCount);
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
