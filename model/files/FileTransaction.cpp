#include "model/files/FileTransaction.h"

#include "model/files/FileFailure.h"
#include "model/files/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>

namespace morvane {
namespace {

const QString kJournal = QStringLiteral("morvane.journal");
const QString kTemporaryPrefix = QStringLiteral("morvane-save-");
const QString kTemporarySuffix = QStringLiteral(".tmp");

struct Rename {
    QString temporary;
    QString target;
};

// A journal names files of the data folder only; a name that reaches outside
// it is not this program's.
bool isPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\\')
           && !name.contains(u':');
}

// "morvane-save-", the save's number in hexadecimal, "-", the file's number,
// ".tmp" (earlier versions wrote the file's number alone).
bool isTemporaryName(QStringView name)
{
    if (!name.startsWith(kTemporaryPrefix) || !name.endsWith(kTemporarySuffix))
        return false;
    const QStringView number = name.sliced(kTemporaryPrefix.size()).chopped(kTemporarySuffix.size());
    return !number.isEmpty() && std::all_of(number.begin(), number.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || c == u'-';
    });
}

// A temporary, or what writing one or the journal left when the program was
// stopped (QSaveFile adds "." and six letters or digits). Matched exactly, so
// that no player's file is taken for one, whatever the character's name.
bool isLeftOver(QStringView name)
{
    constexpr qsizetype kSaveFileTail = 7;
    const auto isLetterOrDigit = [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    };
    if (name.size() > kSaveFileTail && name[name.size() - kSaveFileTail] == u'.'
        && std::all_of(name.end() - (kSaveFileTail - 1), name.end(), isLetterOrDigit)) {
        const QStringView written = name.chopped(kSaveFileTail);
        return written == kJournal || isTemporaryName(written);
    }
    return isTemporaryName(name);
}

// The journal: one line per file, "temporary name TAB file name", in UTF-8.
QByteArray journalBytes(const std::vector<Rename>& renames)
{
    QByteArray bytes;
    for (const auto& [temporary, target] : renames)
        bytes += (temporary + u'\t' + target + u'\n').toUtf8();
    return bytes;
}

std::vector<Rename> journalRenames(const QByteArray& bytes)
{
    std::vector<Rename> renames;
    for (const QByteArray& line : bytes.split('\n')) {
        const QStringList names = QString::fromUtf8(line).split(u'\t');
        if (names.size() == 2 && isTemporaryName(names[0]) && isPlainFileName(names[1]))
            renames.push_back({names[0], names[1]});
    }
    return renames;
}

// What putting a save's temporaries in place came to.
struct PuttingInPlace {
    FileResult firstFailure = FileResult::success();
    QHash<QString, QString> waiting; // file name -> temporary not put in place
};

// Every rename is tried, so that a file held by another program keeps no
// other file from its new contents.
PuttingInPlace putInPlace(const DataFolder& folder, const std::vector<Rename>& renames)
{
    PuttingInPlace result;
    for (const auto& [temporary, target] : renames) {
        // A temporary that is gone was put in place before: no two saves
        // share a temporary's name.
        if (!QFileInfo::exists(folder.filePath(temporary)))
            continue;
        const FileResult replaced = folder.fileSystem().replace(folder.filePath(temporary), folder.filePath(target));
        if (!replaced.ok()) {
            if (result.firstFailure.ok())
                result.firstFailure = replaced;
            result.waiting.insert(target, temporary);
        }
    }
    return result;
}

// What finishing the save an earlier journal names came to.
struct Finishing {
    bool found = false;
    bool journalRead = true;
    PuttingInPlace files;
    // Every file in place, but the journal could not be removed.
    FileResult journalLeft = FileResult::success();

    // Whether the earlier save may still replace `fileName`: also when its
    // journal could not be read.
    bool mayReplace(const QString& fileName) const { return !journalRead || files.waiting.contains(fileName); }
};

// The journal goes only once every file it names is in place.
Finishing finishJournal(const DataFolder& folder)
{
    Finishing finishing;
    QFile journal(folder.filePath(kJournal));
    if (!journal.exists())
        return finishing;
    finishing.found = true;
    QByteArray bytes;
    if (journal.open(QIODevice::ReadOnly))
        bytes = journal.readAll();
    if (!journal.isOpen() || journal.error() != QFileDevice::NoError) {
        finishing.journalRead = false;
        finishing.files.firstFailure =
            FileResult::failure(journal.fileName(), readFailureReason(journal.fileName(), journal.errorString()));
        return finishing;
    }
    journal.close();
    finishing.files = putInPlace(folder, journalRenames(bytes));
    if (!finishing.files.firstFailure.ok())
        return finishing;
    folder.fileSystem().syncFolder(folder.path());
    finishing.journalLeft = folder.fileSystem().remove(journal.fileName());
    return finishing;
}

// True when anything was removed. What cannot be removed now is tried again
// at the next read.
bool removeLeftOvers(const DataFolder& folder)
{
    bool removed = false;
    // Filtered by hand: a name filter is a regular expression, and this runs
    // on the start-up reading thread, where Qt's regular expressions crash
    // the Windows build under Wine.
    for (const QString& name : QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (isLeftOver(name) && folder.fileSystem().remove(folder.filePath(name)).ok())
            removed = true;
    return removed;
}

// Named for this save alone, and for no file already there.
std::vector<Rename> temporariesFor(const DataFolder& folder, const std::vector<QString>& fileNames)
{
    for (;;) {
        const QString save = kTemporaryPrefix + QString::number(QRandomGenerator::global()->generate64(), 16) + u'-';
        std::vector<Rename> renames;
        for (const QString& fileName : fileNames)
            renames.push_back({save + QString::number(renames.size()) + kTemporarySuffix, fileName});
        if (std::none_of(renames.begin(), renames.end(),
                         [&](const Rename& rename) { return QFileInfo::exists(folder.filePath(rename.temporary)); }))
            return renames;
    }
}

} // namespace

FileTransaction::FileTransaction(DataFolder folder)
    : m_folder(std::move(folder))
{
}

void FileTransaction::replace(const QString& fileName, QByteArray bytes)
{
    m_files.push_back({fileName, std::move(bytes)});
}

FileResult FileTransaction::commit()
{
    std::vector<QString> fileNames;
    for (const PendingFile& file : m_files) {
        const QString path = m_folder.filePath(file.fileName);
        if (!fitsFileSystemName(file.fileName))
            return FileResult::failure(path, writeFailureReason(path, file.bytes.size(), {}));
        if (QFileInfo(path).isDir())
            return FileResult::failure(path, folderInTheWayReason());
        fileNames.push_back(file.fileName);
    }

    // Two saves never share a journal: one left unfinished is finished first.
    const Finishing earlier = finishJournal(m_folder);
    for (const FileResult& blocking : {earlier.files.firstFailure, earlier.journalLeft})
        if (!blocking.ok())
            return FileResult::failure(blocking.path(), unfinishedSaveReason(blocking.reason()));

    FileSystem& fileSystem = m_folder.fileSystem();
    const std::vector<Rename> renames = temporariesFor(m_folder, fileNames);
    const auto removeTemporaries = [&](std::size_t count) {
        for (std::size_t k = 0; k < count; ++k)
            static_cast<void>(fileSystem.remove(m_folder.filePath(renames[k].temporary)));
    };
    for (std::size_t k = 0; k < m_files.size(); ++k) {
        const FileResult written =
            writeWholeFile(m_folder.filePath(renames[k].temporary), m_files[k].bytes, fileSystem);
        if (!written.ok()) {
            removeTemporaries(k);
            // The player knows the file by its own name, not the temporary one.
            return FileResult::failure(m_folder.filePath(renames[k].target), written.reason());
        }
    }
    // The journal may name only temporaries the disk keeps, and must itself
    // be kept before the first file is replaced.
    fileSystem.syncFolder(m_folder.path());
    const FileResult journalWritten = writeWholeFile(m_folder.filePath(kJournal), journalBytes(renames), fileSystem);
    if (!journalWritten.ok()) {
        removeTemporaries(renames.size());
        return journalWritten;
    }
    fileSystem.syncFolder(m_folder.path());

    // A file not put in place is left for the next read or write to finish:
    // the journal says the files are whole.
    const PuttingInPlace files = putInPlace(m_folder, renames);
    if (!files.firstFailure.ok())
        return files.firstFailure;
    fileSystem.syncFolder(m_folder.path());
    // A journal that cannot go now names no temporary any more; the next read
    // or write removes it.
    static_cast<void>(fileSystem.remove(m_folder.filePath(kJournal)));
    return FileResult::success();
}

Recovery FileTransaction::recover(const DataFolder& folder)
{
    Recovery recovery;
    const Finishing earlier = finishJournal(folder);
    if (!earlier.files.firstFailure.ok()) {
        recovery.outcome = Recovery::Outcome::Unfinished;
        recovery.unfinishedFile = earlier.files.firstFailure;
        recovery.waiting = earlier.files.waiting;
        return recovery;
    }
    if (earlier.found)
        recovery.outcome = Recovery::Outcome::Finished;
    // Left-overs go only once no journal may name them.
    if (earlier.journalLeft.ok() && removeLeftOvers(folder) && !earlier.found)
        recovery.outcome = Recovery::Outcome::Undone;
    return recovery;
}

FileResult FileTransaction::finishSaveReplacing(const DataFolder& folder, const QString& fileName)
{
    const Finishing earlier = finishJournal(folder);
    if (!earlier.mayReplace(fileName))
        return FileResult::success();
    const FileResult& unfinished = earlier.files.firstFailure;
    return FileResult::failure(unfinished.path(), unfinishedSaveReason(unfinished.reason()));
}

std::vector<FileTransaction::PendingReplacement> FileTransaction::pendingReplacements(const DataFolder& folder)
{
    std::vector<PendingReplacement> pending;
    QFile journal(folder.filePath(kJournal));
    if (!journal.open(QIODevice::ReadOnly))
        return pending;
    for (const auto& [temporary, target] : journalRenames(journal.readAll()))
        if (QFileInfo::exists(folder.filePath(temporary)))
            pending.push_back({folder.filePath(temporary), folder.filePath(target)});
    return pending;
}

} // namespace morvane
