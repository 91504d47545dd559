#pragma once

#include <QStringView>

#include <array>

namespace morvane {

// The crystal filters, in button order: each keeps the crystal and the
// cluster of one element. The picture is ":/crystals/<element>.png".
struct CrystalFilter {
    int button; // the main window's CommandN
    QStringView element;
    QStringView crystalName;
    QStringView clusterName;
};

inline constexpr std::array kCrystalFilters{
    CrystalFilter{15, u"darkness", u"闇のクリスタル", u"闇の塊"},
    CrystalFilter{16, u"fire", u"炎のクリスタル", u"炎の塊"},
    CrystalFilter{17, u"light", u"光のクリスタル", u"光の塊"},
    CrystalFilter{18, u"water", u"水のクリスタル", u"水の塊"},
    CrystalFilter{19, u"earth", u"土のクリスタル", u"土の塊"},
    CrystalFilter{20, u"ice", u"氷のクリスタル", u"氷の塊"},
    CrystalFilter{21, u"wind", u"風のクリスタル", u"風の塊"},
    CrystalFilter{22, u"lightning", u"雷のクリスタル", u"雷の塊"},
};

inline bool keepsName(const CrystalFilter& filter, const QString& name)
{
    return name == filter.crystalName || name == filter.clusterName;
}

} // namespace morvane
