#pragma once

#include "model/files/FileResult.h"
#include "model/files/FileTransaction.h"
#include "model/storage/Storage.h"

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

// Told once, when the data folder is next read after a save was cut short.
inline QString interruptedSave(FileTransaction::Recovery recovery)
{
    return recovery == FileTransaction::Recovery::Finished
        ? QStringLiteral("前回の保存が途中で止まっていたため、その保存を最後まで済ませました。")
        : QStringLiteral("前回の保存が途中で止まっていたため、その保存を取り消し、保存前のファイルに戻しました。");
}

// What could not be done, then the file and the system's reason.
inline QString failedWrite(const QString& what, const FileResult& result)
{
    return what + QStringLiteral("\n") + result.message();
}

} // namespace morvane::messages
