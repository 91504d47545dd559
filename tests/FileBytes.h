#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

// Whole files as bytes, for byte-exact checks of what the program wrote.
inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every entry of the folder by name, with its bytes and its time of change:
// equal snapshots mean nothing in it was written.
inline QStringList folderSnapshot(const QString& folder)
{
    const QDir::Filters everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    QStringList entries;
    for (const QFileInfo& entry : QDir(folder).entryInfoList(everything, QDir::Name))
        entries << entry.fileName() + u' ' + entry.lastModified().toString(Qt::ISODateWithMs) + u' '
                       + QString::fromLatin1(readBytes(entry.filePath()).toHex());
    return entries;
}
