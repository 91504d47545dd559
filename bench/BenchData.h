#pragma once

#include "model/text/TextFile.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <utility>

// Data folders: an empty one, one at full capacity (a generated catalogue
// and a character whose two storages hold 10001 lines each), and one that
// holds the real seed catalogue and nothing else.
namespace bench {

constexpr int kFull = 10001;

inline QString itemName(int i)
{
    // Every other name holds "剣", so a search for it matches half.
    return i % 2 == 0 ? QStringLiteral("ブロンズ剣%1").arg(i) : QStringLiteral("木綿布%1").arg(i);
}

inline QString detail(int i)
{
    return QStringLiteral("[片手剣]全種<br>D%1 隔231<br>Lv%2～ 戦赤シナ").arg(i % 50).arg(i % 75 + 1);
}

inline QStringList storageLines(int offset)
{
    QStringList lines;
    for (int i = 0; i < kFull; ++i)
        lines << itemName(i + offset) + QStringLiteral("\t") + QString::number(i % 99 + 1);
    return lines;
}

inline QStringList storageDetails(int offset)
{
    QStringList details;
    for (int i = 0; i < kFull; ++i)
        details << detail(i + offset);
    return details;
}

// The seed catalogue the program ships.
inline QString seedCataloguePath() { return QString::fromUtf8(MORVANE_SEED_CATALOGUE_FILE); }

enum class Contents { Empty, FullCapacity, SeedCatalogue };

// Sixteen characters whose two storages are full: every catalogue name once
// in each storage, in an order of its own. One name in ten holds "ポーション".
constexpr int kHoldingsCharacters = 16;

inline QString holdingsItemName(int i)
{
    return i % 10 == 0 ? QStringLiteral("ハイポーション%1").arg(i) : itemName(i);
}

class HoldingsDataFolder {
public:
    HoldingsDataFolder()
    {
        for (int c = 0; c < kHoldingsCharacters; ++c) {
            const QString name = QStringLiteral("キャラ%1").arg(c);
            m_roster << name;
            for (const auto& [kind, salt] : {std::pair{"mog", 0}, std::pair{"bag", 29}}) {
                QStringList lines;
                QStringList details;
                for (int k = 0; k < kFull; ++k) {
                    const int i = (k * 3 + c * 613 + salt) % kFull;
                    lines << holdingsItemName(i) + QStringLiteral("\t") + QString::number(i % 99 + 1);
                    details << detail(i);
                }
                write(name + QLatin1String(kind) + QStringLiteral(".dat"), lines);
                write(name + QLatin1String(kind) + QStringLiteral("info.dat"), details);
            }
        }
        write(QStringLiteral("cname.dat"), m_roster);
    }

    QString path() const { return m_dir.path(); }
    const QStringList& roster() const { return m_roster; }
    // The paths of the characters' storage files, the files a search reads.
    QStringList storagePaths() const
    {
        QStringList paths;
        for (const QString& file : QDir(path()).entryList({QStringLiteral("*.dat")}, QDir::Files))
            if (file != QStringLiteral("cname.dat"))
                paths << path() + u'/' + file;
        return paths;
    }

private:
    void write(const QString& name, const QStringList& lines)
    {
        if (!morvane::writeTextFile(path() + u'/' + name, lines).ok())
            qFatal("cannot write benchmark data");
    }

    QTemporaryDir m_dir;
    QStringList m_roster;
};

class SampleDataFolder {
public:
    explicit SampleDataFolder(Contents contents)
    {
        QDir(m_dir.path()).mkdir(QStringLiteral("data"));
        const QString seed = path() + QStringLiteral("/item.20041101.txt");
        if (contents == Contents::SeedCatalogue) {
            if (!QFile::copy(seedCataloguePath(), seed))
                qFatal("cannot copy the seed catalogue");
            return;
        }
        QStringList catalogue;
        if (contents == Contents::FullCapacity) {
            for (int i = 0; i < kFull; ++i)
                catalogue << QStringLiteral("%1\t%2\t%3\t0\t0\t%4")
                                 .arg(i + 1)
                                 .arg(itemName(i), detail(i))
                                 .arg(i % 3 == 0 ? 12 : 99);
            write(QStringLiteral("cname.dat"), {QStringLiteral("クロ")});
            write(QStringLiteral("クロmog.dat"), storageLines(0));
            write(QStringLiteral("クロmoginfo.dat"), storageDetails(0));
            write(QStringLiteral("クロbag.dat"), storageLines(7));
            write(QStringLiteral("クロbaginfo.dat"), storageDetails(7));
        }
        write(QStringLiteral("item.20041101.txt"), catalogue);
    }

    QString path() const { return m_dir.filePath(QStringLiteral("data")); }

private:
    void write(const QString& name, const QStringList& lines)
    {
        if (!morvane::writeTextFile(path() + u'/' + name, lines).ok())
            qFatal("cannot write benchmark data");
    }

    QTemporaryDir m_dir;
};

} // namespace bench
