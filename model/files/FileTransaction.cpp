#include "model/files/FileTransaction.h"

#include "model/files/FileFailure.h"
#include "model/files/PlatformFiles.h"
#include "model/files/WholeFile.h"
#include "model/files/WriteFaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace morvane {
namespace {

const QString kJournal = QStringLiteral("morvane.journal");
const QString kTemporaryPrefix = QStringLiteral("morvane-save-");
const QString kTemporarySuffix = QStringLiteral(".tmp");

// A journal names files of the data folder only; a name that reaches outside
// it is not this program's.
bool isPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\\')
           && !name.contains(u':');
}

QString temporaryName(std::size_t index)
{
    return kTemporaryPrefix + QString::number(index) + kTemporarySuffix;
}

FileResult stopped(const QString& path)
{
    return FileResult::failure(path, QStringLiteral("stopped"));
}

// The journal: one line per file, "temporary name TAB file name", in UTF-8.
QByteArray journalBytes(const std::vector<std::pair<QString, QString>>& renames)
{
    QByteArray bytes;
    for (const auto& [temporary, target] : renames)
        bytes += (temporary + u'\t' + target + u'\n').toUtf8();
    return bytes;
}

} // namespace

FileTransaction::FileTransaction(QString folder)
    : m_folder(std::move(folder))
{
    if (!m_folder.endsWith(u'/'))
        m_folder += u'/';
}

void FileTransaction::replace(const QString& fileName, QByteArray bytes)
{
    m_files.push_back({fileName, std::move(bytes)});
}

FileResult FileTransaction::commit()
{
    for (const PendingFile& file : m_files) {
        const QString path = m_folder + file.fileName;
        if (!fitsFileSystemName(file.fileName))
            return FileResult::failure(path, writeFailureReason(path, file.bytes.size(), {}));
        if (QFileInfo(path).isDir())
            return FileResult::failure(path, folderInTheWayReason());
    }

    std::vector<std::pair<QString, QString>> renames;
    for (std::size_t k = 0; k < m_files.size(); ++k) {
        const PendingFile& file = m_files[k];
        const FileResult written = writeWholeFile(m_folder + temporaryName(k), file.bytes);
        if (!written.ok()) {
            for (const auto& [temporary, target] : renames)
                QFile::remove(m_folder + temporary);
            // The player knows the file by its own name, not the temporary one.
            return FileResult::failure(m_folder + file.fileName, written.reason());
        }
        renames.emplace_back(temporaryName(k), file.fileName);
        if (!faults::reachStep())
            return stopped(m_folder + file.fileName);
    }

    const QString journal = m_folder + kJournal;
    const FileResult journalWritten = writeWholeFile(journal, journalBytes(renames));
    if (!journalWritten.ok()) {
        for (const auto& [temporary, target] : renames)
            QFile::remove(m_folder + temporary);
        return journalWritten;
    }
    if (!faults::reachStep())
        return stopped(journal);

    for (const auto& [temporary, target] : renames) {
        QString reason;
        // Left for recovery to finish: the journal says the files are whole.
        if (!replaceFile(m_folder + temporary, m_folder + target, &reason))
            return FileResult::failure(m_folder + target, reason);
        if (!faults::reachStep())
            return stopped(m_folder + target);
    }
    syncFolder(m_folder);
    QFile::remove(journal);
    return FileResult::success();
}

std::optional<std::vector<FileTransaction::Rename>> FileTransaction::readJournal(const QString& folder)
{
    const QDir dir(folder);
    QFile journal(dir.filePath(kJournal));
    if (!journal.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::vector<Rename> renames;
    for (const QByteArray& line : journal.readAll().split('\n')) {
        const QStringList names = QString::fromUtf8(line).split(u'\t');
        if (names.size() == 2 && names[0].startsWith(kTemporaryPrefix) && isPlainFileName(names[0])
            && isPlainFileName(names[1]) && QFileInfo::exists(dir.filePath(names[0])))
            renames.push_back({dir.filePath(names[0]), dir.filePath(names[1])});
    }
    return renames;
}

std::vector<FileTransaction::Rename> FileTransaction::pendingRenames(const QString& folder)
{
    return readJournal(folder).value_or(std::vector<Rename>());
}

FileTransaction::Recovery FileTransaction::recover(const QString& folder)
{
    const QDir dir(folder);
    if (const std::optional<std::vector<Rename>> renames = readJournal(folder)) {
        for (const Rename& rename : *renames)
            replaceFile(rename.from, rename.to, nullptr);
        syncFolder(folder);
        QFile::remove(dir.filePath(kJournal));
        return Recovery::Finished;
    }
    // Filtered by hand: a name filter is a regular expression, and this runs
    // on the start-up reading thread, where Qt's regular expressions crash
    // the Windows build under Wine.
    bool undone = false;
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (name.startsWith(kTemporaryPrefix)) {
            QFile::remove(dir.filePath(name));
            undone = true;
        }
    }
    return undone ? Recovery::Undone : Recovery::Nothing;
}

} // namespace morvane
