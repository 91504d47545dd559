#include "model/catalogue/DetailText.h"

namespace morvane {
namespace {

const QString kLineBreak = QStringLiteral("<br>");

} // namespace

QString buildDetailText(const QString& type, const QString& raceText, const QString& comment, int level,
                        const QString& jobText)
{
    return QLatin1Char('[') + type + QLatin1Char(']') + raceText + kLineBreak + comment + kLineBreak
        + QStringLiteral("Lv") + QString::number(level) + QStringLiteral("～ ") + jobText;
}

QString appendDisplayLine(const QString& detail, const QString& line)
{
    return detail + kLineBreak + line;
}

QStringList detailDisplayLines(const QString& detail)
{
    if (detail.isEmpty())
        return {};
    return detail.split(kLineBreak, Qt::KeepEmptyParts, Qt::CaseInsensitive);
}

} // namespace morvane
