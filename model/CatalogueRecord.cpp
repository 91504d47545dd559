#include "model/CatalogueRecord.h"

#include <QStringList>

#include <limits>
#include <optional>

namespace morvane {
namespace {

constexpr qint64 kFirstExcludedNumber = 50000;

std::optional<qint64> toNumber(QStringView field)
{
    bool ok = false;
    const qint64 value = field.toLongLong(&ok, 10);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

std::optional<qint16> toInt16(qint64 value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(value);
}

std::optional<qint16> toInt16OrNull(QStringView field, qint16 nullValue)
{
    if (field == u"NULL")
        return nullValue;
    const std::optional<qint64> value = toNumber(field);
    return value ? toInt16(*value) : std::nullopt;
}

} // namespace

ParsedRecord parseCatalogueRecord(const QString& line, qint16 nullStackSize)
{
    ParsedRecord result;
    const QList<QStringView> fields = QStringView(line).split(u'\t');
    if (fields.size() < 5)
        return result;

    const std::optional<qint64> number = toNumber(fields[0]);
    const std::optional<qint64> exclusion = toNumber(fields[4]);
    if (!number || !exclusion)
        return result;
    if (*exclusion != 0 || *number >= kFirstExcludedNumber) {
        result.verdict = ParsedRecord::Verdict::Excluded;
        return result;
    }
    if (fields.size() < 6)
        return result;

    const std::optional<qint16> number16 = toInt16(*number);
    const std::optional<qint16> auxValue = toInt16OrNull(fields[3], 0);
    const std::optional<qint16> stackSize = toInt16OrNull(fields[5], nullStackSize);
    if (!number16 || !auxValue || !stackSize)
        return result;

    result.verdict = ParsedRecord::Verdict::Loaded;
    result.entry = {*number16, fields[1].toString(), fields[2].toString(), *auxValue, *stackSize};
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
