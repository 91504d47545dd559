#include "scripts/seedgen/SeedTable.h"

#include "model/catalogue/CatalogueRecord.h"
#include "model/text/CodePage932.h"
#include "model/catalogue/DetailText.h"
#include "model/catalogue/ItemRecord.h"
#include "model/text/TextFile.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace morvane {
namespace {

constexpr int kColumnCount = 8;
// The catalogue holds numbers as 16-bit values: a larger one would pass the
// load test (below 50000) and still make the line unreadable.
constexpr int kLargestNumber = 32767;
constexpr int kLargestLevel = 99;

bool isOneOf(QStringView text, const auto& table)
{
    return std::find(table.begin(), table.end(), text) != table.end();
}

bool isJobText(const QString& jobs)
{
    if (jobs == kJobCaptions[kAllJobsBox])
        return true;
    if (jobs.isEmpty())
        return false;
    const QString letters = jobLetters();
    qsizetype previous = -1;
    for (const QChar letter : jobs) {
        const qsizetype position = letters.indexOf(letter);
        if (position <= previous)
            return false;
        previous = position;
    }
    return true;
}

// Plain decimal digits only: "+5", " 5" or "0x5" in a table are typing mistakes.
std::optional<int> toDecimal(const QString& field)
{
    if (field.isEmpty() || field.size() > 6)
        return std::nullopt;
    for (const QChar c : field) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return field.toInt();
}

class LineReader {
public:
    LineReader(int line, QList<SeedProblem>* problems) : m_line(line), m_problems(problems) {}

    void fail(const QString& message) { m_problems->append({m_line, message}); }

    std::optional<SeedItem> read(const QStringList& fields)
    {
        const qsizetype before = m_problems->size();
        if (fields.size() != kColumnCount) {
            fail(QStringLiteral("expected %1 tab-separated columns, found %2")
                     .arg(kColumnCount)
                     .arg(fields.size()));
            return std::nullopt;
        }
        SeedItem item;
        item.line = m_line;

        const std::optional<int> number = toDecimal(fields[0]);
        if (!number || *number < 1 || *number > kLargestNumber)
            fail(QStringLiteral("item number \"%1\" is not a whole number from 1 to %2")
                     .arg(fields[0])
                     .arg(kLargestNumber));
        else
            item.number = static_cast<qint16>(*number);

        item.name = fields[1];
        if (item.name.trimmed().isEmpty())
            fail(QStringLiteral("the item name is empty"));

        item.type = fields[2];
        if (!isOneOf(item.type, kItemTypes))
            fail(QStringLiteral("type \"%1\" is not one of the 27 item types").arg(item.type));

        item.race = fields[3];
        if (!isOneOf(item.race, kRaceTexts))
            fail(QStringLiteral("race \"%1\" is not one of the 12 race texts").arg(item.race));

        item.comment = fields[4];

        const std::optional<int> level = toDecimal(fields[5]);
        if (!level || *level < 1 || *level > kLargestLevel)
            fail(QStringLiteral("level \"%1\" is not a whole number from 1 to %2")
                     .arg(fields[5])
                     .arg(kLargestLevel));
        else
            item.level = *level;

        item.jobs = fields[6];
        if (!isJobText(item.jobs))
            fail(QStringLiteral("jobs \"%1\" must be \"All Jobs\" or job letters in the order %2, "
                                "each at most once")
                     .arg(item.jobs, jobLetters()));

        const std::optional<int> stack = toDecimal(fields[7]);
        if (!stack || (*stack != 1 && *stack != 12 && *stack != 99))
            fail(QStringLiteral("stack size \"%1\" is not 1, 12 or 99").arg(fields[7]));
        else
            item.stackSize = static_cast<qint16>(*stack);

        for (const QString* text : {&item.name, &item.comment}) {
            if (!cp932::canEncode(*text))
                fail(QStringLiteral("\"%1\" holds a character that code page 932 cannot hold")
                         .arg(*text));
        }

        if (m_problems->size() != before)
            return std::nullopt;
        return item;
    }

private:
    int m_line;
    QList<SeedProblem>* m_problems;
};

} // namespace

SeedTable SeedTable::parse(const QString& text)
{
    SeedTable table;
    QHash<qint16, int> firstLineOfNumber;
    const QStringList lines = text.split(u'\n');
    for (qsizetype index = 0; index < lines.size(); ++index) {
        QString line = lines.at(index);
        if (line.endsWith(u'\r'))
            line.chop(1); // a table saved by a Windows editor reads the same
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;

        const int lineNumber = static_cast<int>(index) + 1;
        LineReader reader(lineNumber, &table.m_problems);
        if (line.contains(u'\r')) {
            reader.fail(QStringLiteral("a carriage return inside the line would split the record"));
            continue;
        }
        std::optional<SeedItem> item = reader.read(line.split(u'\t'));
        if (!item)
            continue;
        const auto first = firstLineOfNumber.constFind(item->number);
        if (first != firstLineOfNumber.constEnd()) {
            reader.fail(QStringLiteral("item number %1 is already used on line %2")
                            .arg(item->number)
                            .arg(*first));
            continue;
        }
        firstLineOfNumber.insert(item->number, lineNumber);
        table.m_items.append(*item);
    }
    if (table.m_items.isEmpty() && table.m_problems.isEmpty())
        table.m_problems.append({0, QStringLiteral("the table holds no item")});
    return table;
}

SeedTable SeedTable::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SeedTable table;
        table.m_problems.append({0, file.errorString()});
        return table;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(file.readAll());
    if (decoder.hasError()) {
        SeedTable table;
        table.m_problems.append({0, QStringLiteral("the table is not valid UTF-8")});
        return table;
    }
    return parse(text);
}

QStringList SeedTable::catalogueLines() const
{
    QStringList lines;
    lines.reserve(m_items.size());
    for (const SeedItem& item : m_items) {
        CatalogueEntry entry;
        entry.number = item.number;
        entry.name = item.name;
        entry.detail = seedDetailText(item);
        entry.stackSize = item.stackSize;
        lines.append(formatCatalogueRecord(entry));
    }
    return lines;
}

QString seedDetailText(const SeedItem& item)
{
    return buildDetailText(item.type, item.race, item.comment, item.level, item.jobs);
}

} // namespace morvane
