#pragma once

#include "model/catalogue/CatalogueRecord.h"
#include "scripts/seedgen/GameItemTable.h"
#include "scripts/seedgen/LeaveOutRule.h"

#include <QList>
#include <QStringList>

#include <map>

// The seed catalogue built from the game's items: what the leave-out rule
// keeps, in the order a player browses it (the catalogue list shows the file
// as it stands):
//
//   1. crystals, with the clusters the crystal filters show beside them;
//   2. general goods and materials (the game's general items);
//   3. usable items: medicines, food and the like;
//   4. spell scrolls;
//   5. weapons, in the order of the dialog's weapon types, then those it has
//      no type for (grips and straps);
//   6. armour, slot by slot in the order of the game's equipment menu:
//      shield, head, neck, ears, body, hands, rings, back, waist, legs, feet;
//   7. furnishings;
//   8. the rest (linkshells, keys, seeds, ...);
//
// and by item number within a group. An entry's number is the game's item
// number; its auxiliary value and exclusion flag are 0.
namespace morvane {

struct SeedCatalogue {
    QList<CatalogueEntry> entries;
    std::map<LeaveOut, int> leftOut; // how many items each part of the rule left out
    QList<TableProblem> problems;    // items the catalogue cannot describe
};

SeedCatalogue buildSeedCatalogue(const QList<GameItem>& items);

// One catalogue record per entry, in order, without line ends.
QStringList catalogueLines(const SeedCatalogue& catalogue);

} // namespace morvane
