#pragma once

#include "scripts/seedgen/GameItemTable.h"

#include <QString>

#include <optional>

// What a seed entry says about a game item, in the terms of the item
// registration dialog, so that seed items and registered items read alike in
// the detail panel: "[type]race", the comment, "Lv<level>～ <jobs>", and a
// fourth display line with the rest of the game's help text.
namespace morvane {

bool isCrystal(const GameItem& item);
bool isFurnishing(const GameItem& item);
// A usable item whose help text opens with who learns the spell it teaches:
// "使用制限:白Lv45 ナLv37 剣Lv45".
bool isSpellScroll(const GameItem& item);

// The type a record carries in brackets, and the item's place among the
// other items of its group when the catalogue is browsed.
struct ItemKind {
    QString type;
    int order = 0;
};
// Empty for armour whose slot bits name no single slot.
std::optional<ItemKind> itemKind(const GameItem& item);

// The dialog's race text when the race bits are one of its choices, else its
// texts for each race's share joined: "Ｈ♂Ｅ♂Ｔ♂Ｇ" for every male race.
QString equipmentRaceText(int raceBits);

// "All Jobs", or the letters of the dialog's jobs among the job bits, in the
// dialog's order; empty when none of its jobs is among them.
QString equipmentJobText(int jobBits);

struct Learners {
    int level = 0; // the lowest level at which one of them learns the spell
    QString jobs;  // as equipmentJobText()
};
// Who of the dialog's jobs learns a spell scroll's spell; the help text's
// letters of later jobs are passed over. Empty when none of them does.
std::optional<Learners> scrollLearners(const GameItem& item);

// The detail text of the item's seed entry. Equipment tells its level and
// jobs, and its comment is the help text's first line, the main attributes;
// a spell scroll tells who learns the spell from which level, and its
// comment is the help text's lines that say so. Other items are level 1 for
// all races and jobs, as the dialog gives by default, and their comment is
// the help text's first sentence. The rest of the help text, if any, is a
// fourth display line. The game breaks its help text to fit its window: the
// panel shows each part on one line.
QString seedDetailText(const GameItem& item, const ItemKind& kind);

} // namespace morvane
