#include "scripts/seedgen/SeedCatalogue.h"

#include "model/catalogue/Crystals.h"
#include "scripts/seedgen/ItemAttributes.h"

#include <QSet>

#include <algorithm>
#include <tuple>

namespace morvane {
namespace {

enum class Group { Crystals, Goods, Usables, Scrolls, Weapons, Armour, Furnishings, Rest };

bool keptByACrystalFilter(const QString& name)
{
    return std::any_of(kCrystalFilters.begin(), kCrystalFilters.end(),
                       [&name](const CrystalFilter& filter) { return keepsName(filter, name); });
}

Group groupOf(const GameItem& item)
{
    if (isCrystal(item) || keptByACrystalFilter(item.name))
        return Group::Crystals;
    switch (item.category) {
    case ItemCategory::Weapon:
        return Group::Weapons;
    case ItemCategory::Armor:
        return Group::Armour;
    case ItemCategory::Usable:
        return isSpellScroll(item) ? Group::Scrolls : Group::Usables;
    case ItemCategory::General:
        break;
    }
    if (isFurnishing(item))
        return Group::Furnishings;
    constexpr int kGeneralGoodsCode = 1; // the game's type code of plain general items
    return item.typeCode == kGeneralGoodsCode ? Group::Goods : Group::Rest;
}

struct Placed {
    Group group;
    int order;
    qint16 number;
    CatalogueEntry entry;

    auto key() const { return std::tie(group, order, number); }
};

} // namespace

SeedCatalogue buildSeedCatalogue(const QList<GameItem>& items)
{
    SeedCatalogue catalogue;
    QList<GameItem> byNumber = items;
    std::sort(byNumber.begin(), byNumber.end(),
              [](const GameItem& a, const GameItem& b) { return a.number < b.number; });

    QSet<QString> names;
    std::vector<Placed> placed;
    for (const GameItem& item : byNumber) {
        if (const std::optional<LeaveOut> part = leaveOutOnItsOwn(item)) {
            ++catalogue.leftOut[*part];
            continue;
        }
        if (names.contains(item.name)) {
            ++catalogue.leftOut[LeaveOut::DuplicateName];
            continue;
        }
        const std::optional<ItemKind> kind = itemKind(item);
        if (!kind) {
            catalogue.problems.append({item.line, QStringLiteral("slot bits %1 name no single armour slot").arg(item.slotBits)});
            continue;
        }
        if (item.isEquipment() ? equipmentJobText(item.jobs).isEmpty() : isSpellScroll(item) && !scrollLearners(item)) {
            catalogue.problems.append({item.line, QStringLiteral("none of the dialog's jobs can use the item")});
            continue;
        }
        names.insert(item.name);
        placed.push_back({groupOf(item), kind->order, item.number,
                          CatalogueEntry{item.number, item.name, seedDetailText(item, *kind), 0, item.stackSize}});
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) { return a.key() < b.key(); });
    for (const Placed& entry : placed)
        catalogue.entries.append(entry.entry);
    return catalogue;
}

QStringList catalogueLines(const SeedCatalogue& catalogue)
{
    QStringList lines;
    lines.reserve(catalogue.entries.size());
    for (const CatalogueEntry& entry : catalogue.entries)
        lines.append(formatCatalogueRecord(entry));
    return lines;
}

} // namespace morvane
