#include "model/characters/CharacterName.h"

#include "model/text/CodePage932.h"
#include "model/files/FileFailure.h"
#include "model/storage/StorageKinds.h"

#include <algorithm>

namespace morvane {
namespace {

bool isLineBreakOrTab(QChar c)
{
    return c == u'\t' || c == u'\r' || c == u'\n';
}

bool isFileNameReserved(QChar c)
{
    return QStringView(u"\\/:*?\"<>|").contains(c);
}

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

// Every storage file name must fit the file system, the longest most of all.
bool namesFitFileSystem(const QString& name)
{
    for (const StorageKindFiles& kind : kStorageKinds)
        if (!fitsFileSystemName(kind.listFile(name)) || !fitsFileSystemName(kind.detailFile(name)))
            return false;
    return true;
}

} // namespace

QString validateCharacterName(const QString& name)
{
    if (std::any_of(name.cbegin(), name.cend(), isLineBreakOrTab))
        return QStringLiteral("キャラクター名にタブや改行は使えません");
    if (std::any_of(name.cbegin(), name.cend(), isFileNameReserved))
        return QStringLiteral("キャラクター名に \\ / : * ? \" < > | は使えません");
    if (std::any_of(name.cbegin(), name.cend(), isControl) || !cp932::canEncode(name))
        return QStringLiteral("キャラクター名に使えない文字が含まれています");
    if (!namesFitFileSystem(name))
        return QStringLiteral("キャラクター名が長すぎます");
    return {};
}

} // namespace morvane
