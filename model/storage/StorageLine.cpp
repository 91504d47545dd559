#include "model/storage/StorageLine.h"

namespace morvane {

QString storageLine(const QString& name, const QString& count)
{
    const QString tabs = name.size() >= 5 ? QStringLiteral("\t") : QStringLiteral("\t\t");
    return name + tabs + count;
}

bool putsSingleItem(qint16 stackSize)
{
    return stackSize == 1;
}

QString countToPut(qint16 stackSize, const QString& selectedCount)
{
    return putsSingleItem(stackSize) ? QStringLiteral("1") : selectedCount;
}

StorageLineParts splitStorageLine(const QString& line)
{
    const qsizetype firstTab = line.indexOf(u'\t');
    if (firstTab < 0)
        return {line, {}, false};
    qsizetype countStart = firstTab;
    while (countStart < line.size() && line.at(countStart) == u'\t')
        ++countStart;
    return {line.first(firstTab), line.sliced(countStart), true};
}

} // namespace morvane
