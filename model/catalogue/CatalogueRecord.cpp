#include "model/catalogue/CatalogueRecord.h"

#include <QStringList>

#include <array>
#include <cstring>
#include <limits>
#include <optional>

namespace morvane {
namespace {

constexpr qint64 kFirstExcludedNumber = 50000;

// Decimal digits with an optional sign; a catalogue holds thousands of these,
// so they are read without the locale-aware conversions.
std::optional<qint64> toNumber(QByteArrayView field)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+'))
        negative = field[i++] == '-';
    if (i == field.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < field.size(); ++i) {
        const char c = field[i];
        if (c < '0' || c > '9' || value > 100'000'000'000LL)
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::optional<qint16> toInt16(qint64 value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(value);
}

std::optional<qint16> toInt16OrNull(QByteArrayView field, qint16 nullValue)
{
    if (field == "NULL")
        return nullValue;
    const std::optional<qint64> value = toNumber(field);
    return value ? toInt16(*value) : std::nullopt;
}

} // namespace

ParsedRecord parseCatalogueRecord(QByteArrayView line, qint16 nullStackSize)
{
    ParsedRecord result;
    constexpr int kUsedFields = 6;
    std::array<QByteArrayView, kUsedFields> fields;
    int fieldCount = 0;
    const char* start = line.data();
    const char* const end = start + line.size();
    while (fieldCount < kUsedFields) {
        const char* tab = static_cast<const char*>(std::memchr(start, '\t', end - start));
        fields[fieldCount++] = QByteArrayView(start, tab ? tab : end);
        if (!tab)
            break;
        start = tab + 1;
    }
    if (fieldCount < 5)
        return result;

    const std::optional<qint64> number = toNumber(fields[0]);
    const std::optional<qint64> exclusion = toNumber(fields[4]);
    if (!number || !exclusion)
        return result;
    if (*exclusion != 0 || *number >= kFirstExcludedNumber) {
        result.verdict = ParsedRecord::Verdict::Excluded;
        return result;
    }
    if (fieldCount < 6)
        return result;

    const std::optional<qint16> number16 = toInt16(*number);
    const std::optional<qint16> auxValue = toInt16OrNull(fields[3], 0);
    const std::optional<qint16> stackSize = toInt16OrNull(fields[5], nullStackSize);
    if (!number16 || !auxValue || !stackSize)
        return result;

    result.verdict = ParsedRecord::Verdict::Loaded;
    result.number = *number16;
    result.auxValue = *auxValue;
    result.stackSize = *stackSize;
    result.name = fields[1];
    result.detail = fields[2];
    return result;
}

QString formatCatalogueRecord(const CatalogueEntry& entry)
{
    return QStringList{QString::number(entry.number), entry.name, entry.detail,
                       QString::number(entry.auxValue), QStringLiteral("0"),
                       QString::number(entry.stackSize)}
        .join(u'\t');
}

} // namespace morvane
