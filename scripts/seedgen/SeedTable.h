#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// The reviewable source of the seed catalogue: a UTF-8 table with one item a
// line and eight tab-separated columns (number, name, type, race, comment,
// level, jobs, stack). It is turned into catalogue records whose detail text
// is built exactly as the item registration dialog builds it, so seed items
// and registered items read alike in the detail panel.
namespace morvane {

struct SeedItem {
    int line = 0; // line of the table, counted from 1
    qint16 number = 0;
    QString name;
    QString type;
    QString race;
    QString comment;
    int level = 1;
    QString jobs;
    qint16 stackSize = 1;
};

struct SeedProblem {
    int line = 0; // 0 when the problem concerns the whole table
    QString message;
};

class SeedTable {
public:
    // Reads every line and keeps going after a bad one, so that a single run
    // reports all the lines that need fixing.
    static SeedTable parse(const QString& text);
    static SeedTable read(const QString& path);

    const QList<SeedItem>& items() const { return m_items; }
    const QList<SeedProblem>& problems() const { return m_problems; }
    bool isValid() const { return m_problems.isEmpty(); }

    // One catalogue record per item, in table order, without line ends.
    QStringList catalogueLines() const;

private:
    QList<SeedItem> m_items;
    QList<SeedProblem> m_problems;
};

QString seedDetailText(const SeedItem& item);

} // namespace morvane
