#include "scripts/seedgen/LeaveOutRule.h"

#include "scripts/seedgen/ItemAttributes.h"

#include <algorithm>
#include <array>

namespace morvane {
namespace {

constexpr std::array kTemporaryFlags{0xF640, 0xF6C0};
constexpr int kRare = 0x8000;
constexpr int kExclusive = 0x4000;
constexpr int kUsable = 0x0200;

bool isTemporary(const GameItem& item)
{
    return item.category == ItemCategory::Usable
        && std::find(kTemporaryFlags.begin(), kTemporaryFlags.end(), item.flags) != kTemporaryFlags.end();
}

bool isQuestGoods(const GameItem& item)
{
    return item.category == ItemCategory::General && !isFurnishing(item) && (item.flags & kRare) != 0
        && (item.flags & kExclusive) != 0 && (item.flags & kUsable) == 0;
}

} // namespace

std::optional<LeaveOut> leaveOutOnItsOwn(const GameItem& item)
{
    if (!item.isEquipment() && item.help.isEmpty())
        return LeaveOut::NoHelpText;
    if (isTemporary(item))
        return LeaveOut::Temporary;
    if (isQuestGoods(item))
        return LeaveOut::QuestGoods;
    return std::nullopt;
}

QString describe(LeaveOut part)
{
    switch (part) {
    case LeaveOut::NoHelpText:
        return QStringLiteral("without a help text");
    case LeaveOut::Temporary:
        return QStringLiteral("temporary items");
    case LeaveOut::QuestGoods:
        return QStringLiteral("quest goods");
    case LeaveOut::DuplicateName:
        return QStringLiteral("duplicate names");
    }
    return {};
}

} // namespace morvane
