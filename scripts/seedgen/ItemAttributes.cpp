#include "scripts/seedgen/ItemAttributes.h"

#include "model/catalogue/DetailText.h"
#include "model/catalogue/ItemRecord.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace morvane {
namespace {

// The game's item type codes.
constexpr int kCrystalCode = 8;
constexpr std::array kFurnishingCodes{10, 12, 14}; // furnishing, flowerpot, mannequin

// The game's equipment slot bits of weapons, and its skills.
constexpr int kRangedSlot = 4;
constexpr int kAmmunitionSlot = 8;
constexpr int kLastMeleeSkill = 12; // skills 1 to 12 are the dialog's weapon types 0 to 11, in order
constexpr std::array kInstrumentSkills{41, 42};

// Positions in the dialog's type list (kItemTypes).
constexpr int kRangedType = 12;
constexpr int kInstrumentType = 13;
constexpr int kAmmunitionType = 14;
constexpr int kMagicType = 24;
constexpr int kFurnishingType = 25;
constexpr int kOtherType = 26;
// Weapons the dialog has no type for (grips and straps) come after its weapon types.
constexpr int kOtherWeaponOrder = kAmmunitionType + 1;

// Armour in the order of the game's equipment menu, with the slot bits it
// fits. The dialog has no type for earrings and rings: they carry the body
// part they are worn on, as its other armour types do.
struct ArmourSlot {
    int bits;
    QStringView type;
};
constexpr std::array<ArmourSlot, 11> kArmourSlots{{
    {2, kItemTypes[15]},     // shield (the sub slot)
    {16, kItemTypes[16]},    // head
    {512, kItemTypes[17]},   // neck
    {6144, u"耳"},           // either ear
    {32, kItemTypes[18]},    // body
    {64, kItemTypes[19]},    // hands
    {24576, u"指"},          // either ring finger
    {32768, kItemTypes[23]}, // back
    {1024, kItemTypes[20]},  // waist
    {128, kItemTypes[21]},   // legs
    {256, kItemTypes[22]},   // feet
}};

// The race bits of each of the dialog's race choices (kRaceTexts), and each
// race's bits in the dialog's order: Hume, Elvaan, Tarutaru, Galka, Mithra.
constexpr std::array<int, kRaceTexts.size()> kRaceChoiceBits{510, 6, 2, 4, 24, 8, 16, 96, 32, 64, 256, 128};
constexpr std::array kRaceBits{6, 24, 96, 256, 128};

// The dialog's job box of each of the game's job numbers 1 to 15 (WAR, MNK,
// WHM, BLM, RDM, THF, PLD, DRK, BST, BRD, RNG, SAM, NIN, DRG, SMN): the dialog
// puts the samurai last.
constexpr std::array<int, kAllJobsBox> kJobBoxOfGameJob{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 11, 12, 13};

const QString kScrollLearnersOpening = QStringLiteral("使用制限:");
const QString kFullStop = QStringLiteral("。");

bool contains(const auto& values, int value)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

QString jobTextOf(std::array<bool, kJobBoxCount> ticked)
{
    ticked[kAllJobsBox] = std::all_of(ticked.begin(), ticked.begin() + kAllJobsBox, [](bool job) { return job; });
    return jobText(ticked);
}

ItemKind weaponKind(const GameItem& item)
{
    int type = kOtherType;
    int order = kOtherWeaponOrder;
    if (item.skill >= 1 && item.skill <= kLastMeleeSkill)
        type = order = item.skill - 1;
    else if (item.slotBits == kAmmunitionSlot)
        type = order = kAmmunitionType;
    else if (item.slotBits == kRangedSlot)
        type = order = contains(kInstrumentSkills, item.skill) ? kInstrumentType : kRangedType;
    return {kItemTypes[type].toString(), order};
}

struct HelpParts {
    QString comment;
    QString rest;
};

bool isAscii(QChar c)
{
    return c.unicode() < 0x80;
}

// Lines of attributes join with a space. Japanese prose runs on without one,
// but a space stays where the break meets Latin letters or digits.
QString joinLines(const QStringList& lines, bool prose)
{
    QString text;
    for (const QString& line : lines) {
        if (!text.isEmpty() && (!prose || isAscii(text.back()) || isAscii(line.front())))
            text += u' ';
        text += line;
    }
    return text;
}

// A scroll's learners may run on to lines of their own: "風Lv29".
qsizetype learnerLineCount(const QStringList& help)
{
    static const QRegularExpression moreLearners(QStringLiteral("^\\SLv\\d"));
    qsizetype count = 1;
    while (count < help.size() && moreLearners.match(help[count]).hasMatch())
        ++count;
    return count;
}

HelpParts firstLinesAndRest(const QStringList& help, qsizetype lineCount, bool prose)
{
    return {joinLines(help.mid(0, lineCount), false), joinLines(help.mid(lineCount), prose)};
}

// The first sentence, and what follows it; the first line when no sentence ends.
HelpParts firstSentenceAndRest(const QStringList& help)
{
    const QString text = joinLines(help, true);
    const qsizetype stop = text.indexOf(kFullStop);
    if (stop < 0)
        return firstLinesAndRest(help, 1, true);
    return {text.left(stop + 1), text.mid(stop + 1).trimmed()};
}

HelpParts helpParts(const GameItem& item)
{
    if (item.isEquipment())
        return firstLinesAndRest(item.help, 1, false);
    if (isSpellScroll(item))
        return firstLinesAndRest(item.help, learnerLineCount(item.help), true);
    return firstSentenceAndRest(item.help);
}

} // namespace

bool isCrystal(const GameItem& item)
{
    return item.typeCode == kCrystalCode;
}

bool isFurnishing(const GameItem& item)
{
    return item.category == ItemCategory::General && contains(kFurnishingCodes, item.typeCode);
}

bool isSpellScroll(const GameItem& item)
{
    return item.category == ItemCategory::Usable && item.help.value(0).startsWith(kScrollLearnersOpening);
}

std::optional<ItemKind> itemKind(const GameItem& item)
{
    switch (item.category) {
    case ItemCategory::Weapon:
        return weaponKind(item);
    case ItemCategory::Armor:
        for (std::size_t order = 0; order < kArmourSlots.size(); ++order) {
            if (kArmourSlots[order].bits == item.slotBits)
                return ItemKind{kArmourSlots[order].type.toString(), int(order)};
        }
        return std::nullopt;
    case ItemCategory::General:
    case ItemCategory::Usable:
        break;
    }
    if (isSpellScroll(item))
        return ItemKind{kItemTypes[kMagicType].toString()};
    return ItemKind{kItemTypes[isFurnishing(item) ? kFurnishingType : kOtherType].toString()};
}

QString equipmentRaceText(int raceBits)
{
    const auto choiceText = [](int bits) -> QString {
        const auto choice = std::find(kRaceChoiceBits.begin(), kRaceChoiceBits.end(), bits);
        return choice == kRaceChoiceBits.end() ? QString() : kRaceTexts[choice - kRaceChoiceBits.begin()].toString();
    };
    const QString choice = choiceText(raceBits);
    if (!choice.isEmpty())
        return choice;
    QString text;
    for (const int race : kRaceBits)
        text += choiceText(raceBits & race);
    return text;
}

QString equipmentJobText(int jobBits)
{
    std::array<bool, kJobBoxCount> ticked{};
    for (int job = 1; job <= kAllJobsBox; ++job)
        ticked[kJobBoxOfGameJob[job - 1]] = (jobBits >> job & 1) != 0;
    return jobTextOf(ticked);
}

std::optional<Learners> scrollLearners(const GameItem& item)
{
    static const QRegularExpression learner(QStringLiteral("(\\S)Lv(\\d+)"));
    const QString letters = jobLetters();
    std::array<bool, kJobBoxCount> ticked{};
    int lowestLevel = 0;
    for (const QRegularExpressionMatch& match : learner.globalMatch(helpParts(item).comment)) {
        const qsizetype box = letters.indexOf(match.captured(1));
        if (box < 0)
            continue;
        ticked[box] = true;
        const int level = match.captured(2).toInt();
        if (lowestLevel == 0 || level < lowestLevel)
            lowestLevel = level;
    }
    if (lowestLevel == 0)
        return std::nullopt;
    return Learners{lowestLevel, jobTextOf(ticked)};
}

QString seedDetailText(const GameItem& item, const ItemKind& kind)
{
    QString race = kRaceTexts[0].toString();
    int level = ItemChoices{}.equipLevel;
    QString jobs = kJobCaptions[kAllJobsBox].toString();
    if (item.isEquipment()) {
        race = equipmentRaceText(item.races);
        level = item.level;
        jobs = equipmentJobText(item.jobs);
    } else if (const std::optional<Learners> learners = isSpellScroll(item) ? scrollLearners(item) : std::nullopt) {
        level = learners->level;
        jobs = learners->jobs;
    }
    const HelpParts help = helpParts(item);
    const QString detail = buildDetailText(kind.type, race, help.comment, level, jobs);
    return help.rest.isEmpty() ? detail : appendDisplayLine(detail, help.rest);
}

} // namespace morvane
