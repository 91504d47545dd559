#pragma once

#include "FileBytes.h"

#include "model/storage/Storage.h"
#include "model/storage/StorageFiles.h"

#include <QDir>
#include <QList>
#include <QStringList>

// A character's storages as its `version`th save holds them: `version`
// lines in each, so that any two saves' files differ.
inline void fillVersion(morvane::Storage& mog, morvane::Storage& bag, int version)
{
    for (int k = 1; k <= version; ++k) {
        mog.append(QStringLiteral("mog %1\t\t1").arg(k), QStringLiteral("Mog %1").arg(k));
        bag.append(QStringLiteral("bag %1\t\t1").arg(k), QStringLiteral("Bag %1").arg(k));
    }
}

inline morvane::FileResult saveVersion(const morvane::DataFolder& folder, const QString& character, int version)
{
    morvane::Storage mog, bag;
    fillVersion(mog, bag, version);
    return morvane::saveStorages(folder, character, {&mog, &bag});
}

// The four files as the `version`th save writes them, in storage-file order.
inline QList<QByteArray> versionFiles(int version)
{
    morvane::Storage mog, bag;
    fillVersion(mog, bag, version);
    return {mog.listFileBytes(), mog.detailFileBytes(), bag.listFileBytes(), bag.detailFileBytes()};
}

// What a character's four files hold, in storage-file order.
inline QList<QByteArray> characterFiles(const QDir& folder, const QString& character)
{
    QList<QByteArray> files;
    for (const QString& name : morvane::storageFileNames(character))
        files << readBytes(folder.filePath(name));
    return files;
}
