#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// data/seed/game-items.tsv: the game's own facts about the items of the
// catalogue's years, one item a line, UTF-8, tab-separated, under a line of
// column names; lines starting with # are notes. scripts/import-game-items.py
// writes it from the facts' full table.
namespace morvane {

enum class ItemCategory { General, Usable, Armor, Weapon };

struct GameItem {
    int line = 0; // line of the table, counted from 1
    qint16 number = 0;
    QString name;
    ItemCategory category = ItemCategory::General;
    int typeCode = 0; // the game's item type: 8 crystal, 10 furnishing, ...
    int skill = 0;    // weapons: the skill they train
    int slotBits = 0; // equipment: the slot bits it fits
    int races = 0;    // equipment: race bits
    int jobs = 0;     // equipment: job bits
    int level = 0;    // equipment: the level it needs
    qint16 stackSize = 1;
    int flags = 0;
    QStringList help; // the help text's lines as the game breaks them, blank ones dropped

    bool isEquipment() const { return category == ItemCategory::Armor || category == ItemCategory::Weapon; }
};

struct TableProblem {
    int line = 0; // 0 when the problem concerns the whole table
    QString message;
};

class GameItemTable {
public:
    // Reads every line and keeps going after a bad one, so that a single run
    // reports all the lines that need fixing.
    static GameItemTable parse(const QString& text);
    static GameItemTable read(const QString& path);

    const QList<GameItem>& items() const { return m_items; }
    const QList<TableProblem>& problems() const { return m_problems; }
    bool isValid() const { return m_problems.isEmpty(); }

private:
    QList<GameItem> m_items;
    QList<TableProblem> m_problems;
};

} // namespace morvane
