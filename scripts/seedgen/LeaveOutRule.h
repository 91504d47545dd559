#pragma once

#include "scripts/seedgen/GameItemTable.h"

#include <QString>

#include <optional>

// Which of the game's items the seed catalogue leaves out, and why.
//
// The catalogue and item.dat share 10001 entries, and a player must keep
// room to register items: the seed holds between 9000 and 9500 of the
// game's items. The table already holds only the items of the catalogue's
// years (scripts/import-game-items.py); of those, in this order, the seed
// leaves out:
//
//  1. Items without a help text, other than equipment: the game's own lists
//     show nothing for them (the geomancer's Geo- plates of later years).
//  2. Temporary items: usable items whose flags are exactly those of the
//     game's temporary items (rare, exclusive, no sale, no auction, usable:
//     0xF640 or 0xF6C0), such as Dusty Potion or Lucid Ether. They live in a
//     list of their own for one battle or event and never reach the Mog safe
//     or the bag.
//  3. Quest goods: general items other than furnishings that are rare and
//     exclusive (flags 0x8000 and 0x4000) and have no use (no 0x0200): a
//     character holds one at most and can neither trade, sell nor use it, and
//     it goes back to the game in the quest, mission or battle it belongs to.
//     The catalogue leaves them to the players who want them kept on record,
//     who register them.
//  4. Duplicate names: an item whose name an item with a lower number keeps.
//     The catalogue list and the storages tell items apart by name alone.
//
// The crystals and clusters the crystal filters need pass every part.
namespace morvane {

enum class LeaveOut { NoHelpText, Temporary, QuestGoods, DuplicateName };

// The first three parts, which look at the item alone; the fourth needs the others.
std::optional<LeaveOut> leaveOutOnItsOwn(const GameItem& item);

QString describe(LeaveOut part);

} // namespace morvane
