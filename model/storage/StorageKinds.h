#pragma once

#include <QString>
#include <QStringView>

#include <algorithm>
#include <array>

namespace morvane {

class Storage;

// The storages every character owns, in the order they are loaded, saved
// and shown. Adding one is a row here plus the row of its controls in the
// window (ui/main/StorageArea.cpp).
enum class StorageKind { MogSafe, Bag };

struct StorageKindFiles {
    StorageKind kind;
    // What the player calls it, in the window's captions and in search results.
    QStringView name;
    // A character's files are its name followed by these.
    QStringView listSuffix;
    QStringView detailSuffix;

    QString listFile(const QString& character) const { return QString(character).append(listSuffix); }
    QString detailFile(const QString& character) const { return QString(character).append(detailSuffix); }
};

inline constexpr std::array kStorageKinds{
    StorageKindFiles{StorageKind::MogSafe, u"モグ金庫", u"mog.dat", u"moginfo.dat"},
    StorageKindFiles{StorageKind::Bag, u"かばん", u"bag.dat", u"baginfo.dat"},
};
inline constexpr int kStorageKindCount = int(kStorageKinds.size());

// One storage of each kind, indexed by kind.
using StorageSet = std::array<Storage*, kStorageKindCount>;
using ConstStorageSet = std::array<const Storage*, kStorageKindCount>;

constexpr int indexOf(StorageKind kind)
{
    return int(kind);
}

constexpr QStringView storageName(StorageKind kind)
{
    return kStorageKinds[indexOf(kind)].name;
}

// Every kind's name in table order, as a caption lists them.
inline QString storageNames(QStringView separator)
{
    QString names;
    for (const StorageKindFiles& kind : kStorageKinds) {
        if (!names.isEmpty())
            names += separator;
        names += kind.name;
    }
    return names;
}

inline ConstStorageSet asConst(const StorageSet& storages)
{
    ConstStorageSet set{};
    std::copy(storages.begin(), storages.end(), set.begin());
    return set;
}

} // namespace morvane
