#include "model/StorageFiles.h"

#include "model/CharacterName.h"
#include "model/Storage.h"
#include "model/TextFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <array>
#include <memory>

namespace morvane {
namespace {

EncodedLines readCapped(const QString& path, StorageLoadReport& report)
{
    FileBytes file = readFileBytes(path);
    if (file.status == ReadResult::Status::Failed)
        report.unreadableFiles.append(QFileInfo(path).fileName() + QStringLiteral(": ") + file.reason);
    EncodedLines lines = EncodedLines::fromFileBytes(std::move(file.bytes));
    if (lines.size() > Storage::kCapacity) {
        report.truncatedFiles.append(QFileInfo(path).fileName());
        lines.truncate(Storage::kCapacity);
    }
    return lines;
}

} // namespace

StorageFilePaths storageFilePaths(const DataFolder& folder, const QString& character)
{
    return {folder.filePath(character + QStringLiteral("mog.dat")),
            folder.filePath(character + QStringLiteral("bag.dat")),
            folder.filePath(character + QStringLiteral("moginfo.dat")),
            folder.filePath(character + QStringLiteral("baginfo.dat"))};
}

StorageFileContents readStorageFiles(const DataFolder& folder, const QString& character)
{
    StorageFileContents contents;
    contents.character = character;
    if (!isUsableCharacterName(character)) {
        contents.report.unusableName = true;
        return contents;
    }
    const StorageFilePaths paths = storageFilePaths(folder, character);
    contents.mogLines = readCapped(paths.mogLines, contents.report);
    contents.bagLines = readCapped(paths.bagLines, contents.report);
    contents.mogDetails = readCapped(paths.mogDetails, contents.report);
    contents.bagDetails = readCapped(paths.bagDetails, contents.report);
    return contents;
}

StorageLoadReport putInStorages(StorageFileContents contents, Storage& mogSafe, Storage& bag)
{
    mogSafe.load(std::move(contents.mogLines), std::move(contents.mogDetails));
    bag.load(std::move(contents.bagLines), std::move(contents.bagDetails));
    return contents.report;
}

FileResult saveStorages(const DataFolder& folder, const QString& character,
                        const Storage& mogSafe, const Storage& bag)
{
    if (!isUsableCharacterName(character))
        return FileResult::failure(folder.filePath(character),
                                   QStringLiteral("キャラクター名がファイル名に使えない文字を含んでいます"));

    const StorageFilePaths paths = storageFilePaths(folder, character);
    const std::array<std::pair<QString, QByteArray>, 4> files{{
        {paths.mogLines, mogSafe.listFileBytes()},
        {paths.bagLines, bag.listFileBytes()},
        {paths.mogDetails, mogSafe.detailFileBytes()},
        {paths.bagDetails, bag.detailFileBytes()},
    }};

    // All four are written to temporary files first and only then put in
    // place, so that a failure midway leaves the old files whole.
    std::array<std::unique_ptr<QSaveFile>, 4> pending;
    for (size_t f = 0; f < files.size(); ++f) {
        const auto& [path, bytes] = files[f];
        if (QFileInfo(path).isDir())
            return FileResult::failure(path, folderInTheWayReason());
        pending[f] = std::make_unique<QSaveFile>(path);
        QSaveFile& file = *pending[f];
        if (!file.open(QIODevice::WriteOnly))
            return FileResult::failure(path, file.errorString());
        if (file.write(bytes) != bytes.size())
            return FileResult::failure(path, file.errorString());
    }
    for (size_t f = 0; f < files.size(); ++f) {
        if (!pending[f]->commit())
            return FileResult::failure(files[f].first, pending[f]->errorString());
    }
    return FileResult::success();
}

} // namespace morvane
