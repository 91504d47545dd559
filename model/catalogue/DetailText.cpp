#include "model/catalogue/DetailText.h"

namespace morvane {

QString buildDetailText(const QString& type, const QString& raceText, const QString& comment, int level,
                        const QString& jobText)
{
    return QLatin1Char('[') + type + QLatin1Char(']') + raceText + QStringLiteral("<br>") + comment
        + QStringLiteral("<br>Lv") + QString::number(level) + QStringLiteral("～ ") + jobText;
}

QStringList detailDisplayLines(const QString& detail)
{
    if (detail.isEmpty())
        return {};
    return detail.split(QStringLiteral("<br>"), Qt::KeepEmptyParts, Qt::CaseInsensitive);
}

} // namespace morvane
