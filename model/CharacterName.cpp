#include "model/CharacterName.h"

#include "model/CodePage932.h"

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

} // namespace

QString validateCharacterName(const QString& name)
{
    if (std::any_of(name.cbegin(), name.cend(), isLineBreakOrTab))
        return QStringLiteral("キャラクター名にタブや改行は使えません");
    if (std::any_of(name.cbegin(), name.cend(), isFileNameReserved))
        return QStringLiteral("キャラクター名に \\ / : * ? \" < > | は使えません");
    if (std::any_of(name.cbegin(), name.cend(), isControl) || !cp932::canEncode(name))
        return QStringLiteral("キャラクター名に使えない文字が含まれています");
    return {};
}

bool isUsableCharacterName(const QString& name)
{
    return validateCharacterName(name).isEmpty();
}

} // namespace morvane
