#include "scripts/seedgen/GameItemTable.h"

#include "model/text/CodePage932.h"

#include <QFile>
#include <QSet>
#include <QStringDecoder>

#include <optional>

namespace morvane {
namespace {

const QStringList kColumns{
    QStringLiteral("id"),    QStringLiteral("name_ja"), QStringLiteral("category"), QStringLiteral("type"),
    QStringLiteral("skill"), QStringLiteral("slots"),   QStringLiteral("races"),    QStringLiteral("jobs"),
    QStringLiteral("level"), QStringLiteral("stack"),   QStringLiteral("flags"),    QStringLiteral("description_ja"),
};
enum Column { Id, Name, Category, Type, Skill, Slots, Races, Jobs, Level, Stack, Flags, Description };

// The catalogue holds numbers as 16-bit values.
constexpr int kLargestNumber = 32767;

// Plain decimal digits only, as the facts write them.
std::optional<int> toDecimal(const QString& field)
{
    if (field.isEmpty() || field.size() > 9)
        return std::nullopt;
    for (const QChar c : field) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return field.toInt();
}

std::optional<ItemCategory> toCategory(const QString& field)
{
    if (field == u"General")
        return ItemCategory::General;
    if (field == u"Usable")
        return ItemCategory::Usable;
    if (field == u"Armor")
        return ItemCategory::Armor;
    if (field == u"Weapon")
        return ItemCategory::Weapon;
    return std::nullopt;
}

// The facts write a line break of a description as the two characters "\n".
QStringList helpLines(const QString& description)
{
    QStringList lines;
    for (const QString& line : description.split(QStringLiteral("\\n"))) {
        const QString text = line.trimmed();
        if (!text.isEmpty())
            lines.append(text);
    }
    return lines;
}

class LineReader {
public:
    LineReader(int line, QList<TableProblem>* problems) : m_line(line), m_problems(problems) {}

    void fail(const QString& message) { m_problems->append({m_line, message}); }

    std::optional<GameItem> read(const QStringList& fields)
    {
        const qsizetype before = m_problems->size();
        if (fields.size() != kColumns.size()) {
            fail(QStringLiteral("expected %1 tab-separated columns, found %2").arg(kColumns.size()).arg(fields.size()));
            return std::nullopt;
        }
        GameItem item;
        item.line = m_line;

        const std::optional<int> number = toDecimal(fields[Id]);
        if (!number || *number > kLargestNumber)
            fail(QStringLiteral("item number \"%1\" is not a whole number from 0 to %2").arg(fields[Id]).arg(kLargestNumber));
        else
            item.number = static_cast<qint16>(*number);

        item.name = fields[Name];
        if (item.name.isEmpty())
            fail(QStringLiteral("the item has no name"));

        if (const std::optional<ItemCategory> category = toCategory(fields[Category]))
            item.category = *category;
        else
            fail(QStringLiteral("category \"%1\" is not General, Usable, Armor or Weapon").arg(fields[Category]));

        item.typeCode = wholeNumber(fields, Type, true);
        const bool equipment = item.isEquipment();
        item.skill = wholeNumber(fields, Skill, false);
        item.slotBits = wholeNumber(fields, Slots, equipment);
        item.races = wholeNumber(fields, Races, equipment);
        item.jobs = wholeNumber(fields, Jobs, equipment);
        item.level = wholeNumber(fields, Level, equipment);
        item.flags = wholeNumber(fields, Flags, true);

        const int stack = wholeNumber(fields, Stack, true);
        if (stack != 1 && stack != 12 && stack != 99)
            fail(QStringLiteral("stack size \"%1\" is not 1, 12 or 99").arg(fields[Stack]));
        else
            item.stackSize = static_cast<qint16>(stack);

        item.help = helpLines(fields[Description]);
        // A detail text splits into display lines at "<br>".
        if (fields[Description].contains(QStringLiteral("<br>"), Qt::CaseInsensitive))
            fail(QStringLiteral("the description holds \"<br>\", which would break its display lines"));
        for (const QString& text : {item.name, fields[Description]}) {
            if (!cp932::canEncode(text))
                fail(QStringLiteral("\"%1\" holds a character that code page 932 cannot hold").arg(text));
        }

        if (m_problems->size() != before)
            return std::nullopt;
        return item;
    }

private:
    // The column's whole number, 0 when it is empty and may be.
    int wholeNumber(const QStringList& fields, Column column, bool required)
    {
        if (fields[column].isEmpty() && !required)
            return 0;
        const std::optional<int> value = toDecimal(fields[column]);
        if (!value)
            fail(QStringLiteral("%1 \"%2\" is not a whole number").arg(kColumns[column], fields[column]));
        return value.value_or(0);
    }

    int m_line;
    QList<TableProblem>* m_problems;
};

} // namespace

GameItemTable GameItemTable::parse(const QString& text)
{
    GameItemTable table;
    QSet<qint16> numbers;
    bool headerSeen = false;
    const QStringList lines = text.split(u'\n');
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const QString& line = lines.at(index);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const int lineNumber = static_cast<int>(index) + 1;
        LineReader reader(lineNumber, &table.m_problems);
        if (!headerSeen) {
            headerSeen = true;
            if (line.split(u'\t') != kColumns)
                reader.fail(QStringLiteral("the column names are not: %1").arg(kColumns.join(u' ')));
            continue;
        }
        if (line.contains(u'\r')) {
            reader.fail(QStringLiteral("a carriage return inside the line would split the record"));
            continue;
        }
        std::optional<GameItem> item = reader.read(line.split(u'\t'));
        if (!item)
            continue;
        if (numbers.contains(item->number)) {
            reader.fail(QStringLiteral("item number %1 is listed twice").arg(item->number));
            continue;
        }
        numbers.insert(item->number);
        table.m_items.append(*item);
    }
    if (table.m_items.isEmpty() && table.m_problems.isEmpty())
        table.m_problems.append({0, QStringLiteral("the table holds no item")});
    return table;
}

GameItemTable GameItemTable::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        GameItemTable table;
        table.m_problems.append({0, file.errorString()});
        return table;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(file.readAll());
    if (decoder.hasError()) {
        GameItemTable table;
        table.m_problems.append({0, QStringLiteral("the table is not valid UTF-8")});
        return table;
    }
    return parse(text);
}

} // namespace morvane
