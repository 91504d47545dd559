#include "model/holdings/HoldingsCsv.h"

#include "model/catalogue/DetailText.h"

namespace morvane {
namespace {

QString field(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

void appendLine(QByteArray& csv, const QStringList& fields)
{
    QStringList quoted;
    for (const QString& text : fields)
        quoted << field(text);
    csv += quoted.join(u',').toUtf8();
    csv += "\r\n";
}

} // namespace

QByteArray holdingsCsv(const Holdings& holdings, const std::vector<int>& rows)
{
    QByteArray csv("\xEF\xBB\xBF");
    appendLine(csv, holdingsColumnNames() << QStringLiteral("詳細"));
    for (const int row : rows)
        appendLine(csv, {holdings.character(row), holdings.place(row).toString(), holdings.item(row),
                         holdings.countText(row),
                         detailDisplayLines(holdings.detail(row)).join(QStringLiteral(" / "))});
    return csv;
}

} // namespace morvane
