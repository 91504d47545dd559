// A character's four storage files: load, a few edits, save, reload. What is
// reloaded equals what was saved, and a well-formed file nobody edited is
// written back byte for byte.
//
// Input, as FuzzedDataProvider reads it: the four files' bytes (mog,
// moginfo, bag, baginfo), then the edits.
#include "FuzzCheck.h"
#include "model/storage/Storage.h"
#include "model/storage/StorageFiles.h"
#include "model/storage/StorageSort.h"
#include "tests/StorageContents.h"

#include <QFile>
#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

namespace {

using morvane::Storage;

const QString kCharacter = QStringLiteral("Kuro");

QByteArray bytesOf(const std::string& text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    require(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// Every line ended by CR LF: the form the program writes.
bool isWellFormed(const QByteArray& file, size_t* lineCount)
{
    const std::vector<QByteArray> lines = referenceLines(file);
    QByteArray rewritten;
    for (const QByteArray& line : lines)
        rewritten += line + "\r\n";
    *lineCount = lines.size();
    return rewritten == file;
}

void edit(FuzzedDataProvider& input, Storage& storage, const Storage& other)
{
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0: {
        const QString line = QString::fromUtf8(bytesOf(input.ConsumeRandomLengthString(64)));
        const QString detail = QString::fromUtf8(bytesOf(input.ConsumeRandomLengthString(64)));
        storage.append(line, detail);
        break;
    }
    case 1:
        storage.removeAt(input.ConsumeIntegralInRange(0, qMax(0, storage.lineCount() - 1)));
        break;
    case 2:
        if (other.lineCount() > 0)
            storage.appendFrom(other, input.ConsumeIntegralInRange(0, other.lineCount() - 1));
        break;
    case 3:
        morvane::sortStorage(storage);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QTemporaryDir dir;
    const morvane::DataFolder folder(dir.path());
    QStringList files = morvane::storageFileNames(kCharacter); // list, details; list, details
    for (QString& file : files)
        file = folder.filePath(file);

    FuzzedDataProvider input(data, size);
    QByteArray before[4];
    for (int f = 0; f < 4; ++f) {
        before[f] = bytesOf(input.ConsumeRandomLengthString(4096));
        writeFile(files[f], before[f]);
    }

    Storage mogSafe;
    Storage bag;
    morvane::loadStorages(folder, kCharacter, {&mogSafe, &bag});
    const int edits = input.ConsumeIntegralInRange(0, 4);
    for (int k = 0; k < edits; ++k) {
        if (input.ConsumeBool())
            edit(input, mogSafe, bag);
        else
            edit(input, bag, mogSafe);
    }
    require(morvane::saveStorages(folder, kCharacter, {&mogSafe, &bag}).ok());

    if (edits == 0) {
        // A storage's list and details go back unchanged when both are
        // well-formed, hold the same number of lines and fit the storage.
        for (int f = 0; f < 4; f += 2) {
            size_t lines = 0;
            size_t details = 0;
            if (isWellFormed(before[f], &lines) && isWellFormed(before[f + 1], &details) && lines == details
                && lines <= size_t(Storage::kCapacity)) {
                require(readFile(files[f]) == before[f]);
                require(readFile(files[f + 1]) == before[f + 1]);
            }
        }
    }

    Storage mogSafeAgain;
    Storage bagAgain;
    morvane::loadStorages(folder, kCharacter, {&mogSafeAgain, &bagAgain});
    require(mogSafeAgain.lines() == mogSafe.lines() && storedDetails(mogSafeAgain) == storedDetails(mogSafe));
    require(bagAgain.lines() == bag.lines() && storedDetails(bagAgain) == storedDetails(bag));
    return 0;
}
