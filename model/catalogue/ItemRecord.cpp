#include "model/catalogue/ItemRecord.h"

#include "model/text/CodePage932.h"
#include "model/catalogue/DetailText.h"

namespace morvane {
namespace {

bool holdsRecordBreak(const QString& text)
{
    return text.contains(u'\t') || text.contains(u'\r') || text.contains(u'\n');
}

QString validateField(const QString& text, const QString& field)
{
    if (holdsRecordBreak(text))
        return field + QStringLiteral("にタブや改行は使えません");
    if (!cp932::canEncode(text))
        return field + QStringLiteral("に使えない文字が含まれています");
    return {};
}

} // namespace

QString jobText(const std::array<bool, kJobBoxCount>& ticked)
{
    if (ticked[kAllJobsBox])
        return kJobCaptions[kAllJobsBox].toString();
    QString letters;
    for (int i = 0; i < kAllJobsBox; ++i) {
        if (ticked[i])
            letters += kJobCaptions[i].first();
    }
    return letters;
}

QString jobLetters()
{
    QString letters;
    for (int i = 0; i < kAllJobsBox; ++i)
        letters += kJobCaptions[i].first();
    return letters;
}

qint16 equipLevel(const QString& tensDigit, const QString& onesDigit)
{
    return (tensDigit + onesDigit).toShort();
}

ItemRecord buildItemRecord(int catalogueLineCount, const ItemChoices& choices)
{
    ItemRecord record;
    record.entry.number = static_cast<qint16>(catalogueLineCount + 1);
    record.entry.name = choices.name;
    record.entry.detail =
        buildDetailText(choices.type, choices.raceText, choices.comment, choices.equipLevel, choices.jobText);
    record.entry.auxValue = 0;
    record.entry.stackSize = choices.stackChoice;
    return record;
}

QString validateItemTexts(const QString& name, const QString& comment)
{
    const QString nameProblem = validateField(name, QStringLiteral("アイテム名"));
    if (!nameProblem.isEmpty())
        return nameProblem;
    return validateField(comment, QStringLiteral("アイテムコメント"));
}

} // namespace morvane
