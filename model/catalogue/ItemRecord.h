#pragma once

#include "model/catalogue/CatalogueRecord.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <array>

namespace morvane {

// The registration dialog's type list: what a record carries in brackets.
inline constexpr std::array<QStringView, 27> kItemTypes{
    u"格闘", u"短剣", u"片手剣", u"両手剣", u"片手斧", u"両手斧", u"両手鎌",
    u"両手槍", u"片手刀", u"両手刀", u"片手棍", u"両手棍", u"レンジ武器等", u"楽器",
    u"矢・弾その他", u"盾", u"頭", u"首", u"胴", u"両手", u"腰",
    u"両脚", u"両足", u"背", u"魔法", u"調度品", u"その他",
};

// The race options' captions, which are also the race texts of a record.
inline constexpr std::array<QStringView, 12> kRaceTexts{
    u"全種", u"Ｈ", u"Ｈ♂", u"Ｈ♀", u"Ｅ", u"Ｅ♂", u"Ｅ♀", u"Ｔ", u"Ｔ♂", u"Ｔ♀", u"Ｇ", u"Ｍ",
};

// Job box captions in index order. The first character of each of the
// fifteen single jobs is the letter a record carries; the last box is
// "All Jobs", carried whole.
inline constexpr int kJobBoxCount = 16;
inline constexpr int kAllJobsBox = 15;
inline constexpr std::array<QStringView, kJobBoxCount> kJobCaptions{
    u"戦士", u"モンク", u"白魔道士", u"黒魔道士", u"赤魔道士",
    u"シーフ", u"ナイト", u"暗黒騎士", u"獣使い", u"吟遊詩人",
    u"狩人", u"忍者", u"竜騎士", u"召還士", u"侍",
    u"All Jobs",
};

// "All Jobs" when that box is ticked, else the letters of the ticked single
// jobs in index order (empty when none is ticked). Single-job ticks are kept
// but ignored while "All Jobs" is ticked.
QString jobText(const std::array<bool, kJobBoxCount>& ticked);

// The letters of the single jobs in the order a job text carries them.
QString jobLetters();

// The level spelt by the tens digit followed by the ones digit ("7", "5"
// give 75); 0 when they spell no number.
qint16 equipLevel(const QString& tensDigit, const QString& onesDigit);

// What the registration dialog holds at the moment of registering.
struct ItemChoices {
    QString name;
    QString type; // the selected entry of the type list, empty when none
    QString raceText;
    QString comment;
    qint16 equipLevel = 1;
    QString jobText;
    qint16 stackChoice = 1;
};

struct ItemRecord {
    CatalogueEntry entry;

    // The line item.dat receives, without its line end.
    QString line() const { return formatCatalogueRecord(entry); }
};

// The item takes the number after the last line the catalogue list shows.
ItemRecord buildItemRecord(int catalogueLineCount, const ItemChoices& choices);

// Empty when the name and comment can stand in a record as typed, else the
// message telling the user what to change. A tab or line break would split
// the record, and item.dat cannot hold what code page 932 cannot.
QString validateItemTexts(const QString& name, const QString& comment);

} // namespace morvane
