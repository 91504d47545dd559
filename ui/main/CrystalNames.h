#pragma once

#include <QString>

namespace morvane {

// Crystal and cluster names in filter order, darkness to lightning.
inline const QString kCrystalNames[8][2] = {
    {QStringLiteral("闇のクリスタル"), QStringLiteral("闇の塊")},
    {QStringLiteral("炎のクリスタル"), QStringLiteral("炎の塊")},
    {QStringLiteral("光のクリスタル"), QStringLiteral("光の塊")},
    {QStringLiteral("水のクリスタル"), QStringLiteral("水の塊")},
    {QStringLiteral("土のクリスタル"), QStringLiteral("土の塊")},
    {QStringLiteral("氷のクリスタル"), QStringLiteral("氷の塊")},
    {QStringLiteral("風のクリスタル"), QStringLiteral("風の塊")},
    {QStringLiteral("雷のクリスタル"), QStringLiteral("雷の塊")},
};

} // namespace morvane
