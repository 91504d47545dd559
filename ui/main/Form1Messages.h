#pragma once

#include "model/files/FileResult.h"
#include "model/files/Recovery.h"
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

// Told when the data folder is next read after a save was cut short; empty
// when none was.
inline QString interruptedSave(const Recovery& recovery)
{
    switch (recovery.outcome) {
    case Recovery::Outcome::Nothing:
        break;
    case Recovery::Outcome::Finished:
        return QStringLiteral("前回の保存が途中で止まっていたため、その保存を最後まで済ませました。");
    case Recovery::Outcome::Undone:
        return QStringLiteral("前回の保存が途中で止まっていたため、その保存を取り消し、保存前のファイルに戻しました。");
    case Recovery::Outcome::Unfinished:
        return QStringLiteral("前回の保存を最後まで済ませられませんでした。保存した内容は残してあり、"
                              "次に読み込むときにもう一度試します。\n")
               + recovery.unfinishedFile.message();
    }
    return {};
}

inline QString unusableName(const QString& character, const QString& reason)
{
    return QStringLiteral("「%1」は名前をファイル名に使えないため、倉庫を読み込めず、保存もできません。\n%2")
        .arg(character, reason);
}

// What could not be done, then the file and the system's reason.
inline QString failedWrite(const QString& what, const FileResult& result)
{
    return what + QStringLiteral("\n") + result.message();
}

} // namespace morvane::messages
