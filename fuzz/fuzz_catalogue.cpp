// Catalogue loading against a plain reading of the record rules: the seed
// catalogue and item.dat give exactly the entries the rules give.
//
// Input: the seed catalogue's bytes, a byte 0, then item.dat's bytes.
#include "FuzzCheck.h"
#include "model/catalogue/ItemCatalogue.h"
#include "model/text/CodePage932.h"

#include <QFile>
#include <QTemporaryDir>

#include <optional>

namespace {

struct Entry {
    qint64 number;
    QByteArray name;
    QByteArray detail;
    qint64 auxValue;
    qint64 stackSize;
};

// Decimal digits after an optional sign. The value only needs to be right
// within the 16-bit range and the test against 50000; beyond, it stays large.
std::optional<qint64> number(const QByteArray& field)
{
    qsizetype i = field.startsWith('-') || field.startsWith('+') ? 1 : 0;
    if (i == field.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < field.size(); ++i) {
        if (field[i] < '0' || field[i] > '9')
            return std::nullopt;
        value = qMin<qint64>(value * 10 + (field[i] - '0'), 1'000'000'000);
    }
    return field.startsWith('-') ? -value : value;
}

bool fits16(qint64 value)
{
    return value >= -32768 && value <= 32767;
}

std::optional<qint64> numberOrNull(const QByteArray& field, qint64 nullValue)
{
    return field == "NULL" ? std::optional<qint64>(nullValue) : number(field);
}

// A line is loaded when field 4 is 0 and field 0 below 50000, and then only
// when it has six fields whose numbers a 16-bit integer holds.
std::vector<Entry> referenceEntries(const QByteArray& file, qint64 nullStackSize)
{
    std::vector<Entry> entries;
    for (const QByteArray& line : referenceLines(file)) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() < 6)
            continue;
        const std::optional<qint64> n = number(fields[0]);
        const std::optional<qint64> exclusion = number(fields[4]);
        const std::optional<qint64> aux = numberOrNull(fields[3], 0);
        const std::optional<qint64> stack = numberOrNull(fields[5], nullStackSize);
        if (n && exclusion && *exclusion == 0 && *n < 50000 && fits16(*n) && aux && fits16(*aux) && stack
            && fits16(*stack))
            entries.push_back({*n, fields[1], fields[2], *aux, *stack});
    }
    return entries;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QTemporaryDir folder;
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = input.indexOf('\0');
    const QByteArray seed = split < 0 ? input : input.left(split);
    const QByteArray registered = split < 0 ? QByteArray() : input.mid(split + 1);
    const QString seedPath = folder.filePath(QStringLiteral("item.20041101.txt"));
    const QString registeredPath = folder.filePath(QStringLiteral("item.dat"));
    writeFile(seedPath, seed);
    writeFile(registeredPath, registered);

    morvane::ItemCatalogue catalogue;
    catalogue.loadFile(seedPath, morvane::kSeedNullStackSize);
    catalogue.loadFile(registeredPath, morvane::kRegisteredNullStackSize);

    std::vector<Entry> expected = referenceEntries(seed, 1);
    for (Entry& entry : referenceEntries(registered, 0))
        expected.push_back(std::move(entry));
    require(catalogue.entryCount() == int(expected.size()));
    for (int k = 0; k < catalogue.entryCount(); ++k) {
        const morvane::CatalogueEntry entry = catalogue.entry(k);
        const Entry& e = expected[size_t(k)];
        require(entry.number == e.number && entry.auxValue == e.auxValue && entry.stackSize == e.stackSize);
        require(entry.name == morvane::cp932::decode(e.name) && entry.detail == morvane::cp932::decode(e.detail));
    }
    return 0;
}
