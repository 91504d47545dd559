#pragma once

#include "model/FileResult.h"
#include "model/Storage.h"

#include <QString>

// Messages the main window's handlers share.
namespace morvane::messages {

inline QString nobody()
{
    return QStringLiteral("誰もいないクポ；；");
}

inline QString storageFull()
{
    return QStringLiteral("いっぱいクポ；； %1個より多くは入りません。").arg(Storage::kCapacity);
}

// What could not be done, then the file and the system's reason.
inline QString failedWrite(const QString& what, const FileResult& result)
{
    return what + QStringLiteral("\n") + result.message();
}

} // namespace morvane::messages
