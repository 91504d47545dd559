#include "model/files/FileFailure.h"

#include <QFileInfo>
#include <QStorageInfo>

namespace morvane {
namespace {

constexpr int kLongestFileName = 255;

} // namespace

QString folderInTheWayReason()
{
    return QStringLiteral("ファイルの場所にフォルダーがあります");
}

QString unencodableTextReason()
{
    return QStringLiteral("Shift-JISで表せない文字が含まれています");
}

QString fileInUseReason()
{
    return QStringLiteral("ほかのプログラム（ウイルス対策ソフトやクラウド同期など）がファイルを使用中です");
}

QString unfinishedSaveReason(const QString& reason)
{
    return QStringLiteral("前回の保存を最後まで済ませられないため、書き込めません（%1）").arg(reason);
}

bool fitsFileSystemName(const QString& fileName)
{
    return fileName.size() <= kLongestFileName && fileName.toUtf8().size() <= kLongestFileName;
}

QString writeFailureReason(const QString& path, qint64 bytesToWrite, const QString& systemText)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!fitsFileSystemName(file.fileName()))
        return QStringLiteral("ファイル名が長すぎます");
    if (!folder.exists())
        return QStringLiteral("フォルダーが見つかりません");
    if (file.isDir())
        return folderInTheWayReason();
    if (!folder.isWritable())
        return QStringLiteral("フォルダーに書き込む権限がないか、読み取り専用です");
    if (file.exists() && !file.isWritable())
        return QStringLiteral("ファイルに書き込む権限がないか、読み取り専用です");
    const QStorageInfo volume(folder.absoluteFilePath());
    if (volume.isValid() && volume.isReadOnly())
        return QStringLiteral("ディスクが読み取り専用です");
    if (volume.isValid() && volume.bytesAvailable() < bytesToWrite + 4096)
        return QStringLiteral("ディスクの空き容量が足りません");
    return systemText;
}

QString readFailureReason(const QString& path, const QString& systemText)
{
    const QFileInfo file(path);
    if (file.isDir())
        return folderInTheWayReason();
    if (!file.isReadable())
        return QStringLiteral("ファイルを読む権限がありません");
    return systemText;
}

} // namespace morvane
