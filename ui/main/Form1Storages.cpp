// The main window's handlers for the current character's storages.
#include "ui/main/Form1.h"

#include "model/storage/StorageFiles.h"
#include "ui/Message.h"
#include "ui/main/DetailPanel.h"
#include "ui/main/Form1Messages.h"
#include "ui/main/StorageArea.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

using namespace morvane;

void Form1::onCombo2IndexChanged(int index)
{
    m_indexChangedByChoice = index >= 0;
    if (index >= 0)
        chooseCharacter(m_combo2->itemText(index));
}

void Form1::onCombo2Activated(int index)
{
    // A player's choice of another entry has already loaded through the
    // index change; choosing the entry already chosen reloads it, which
    // discards unsaved changes.
    if (m_indexChangedByChoice) {
        m_indexChangedByChoice = false;
        return;
    }
    if (index >= 0)
        chooseCharacter(m_combo2->itemText(index));
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    // Every choice a player makes in the character box starts with one of
    // these; an index change made earlier by the program is no part of it.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        m_indexChangedByChoice = false;
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::onCombo2TextEdited()
{
    if (m_combo2->currentIndex() < 0)
        return;
    // Typing a name chooses nobody; keep what was typed on screen.
    QLineEdit* edit = m_combo2->lineEdit();
    const QString typed = edit->text();
    const int cursor = edit->cursorPosition();
    m_combo2->setCurrentIndex(-1);
    edit->setText(typed);
    edit->setCursorPosition(cursor);
}

void Form1::chooseCharacter(const QString& character)
{
    if (!holdsDataFolder())
        return;
    StorageFileContents files = m_storagesReadAtStartUp && m_storagesReadAtStartUp->character == character
                                    ? std::move(*m_storagesReadAtStartUp)
                                    : readStorageFiles(m_folder, character);
    m_storagesReadAtStartUp.reset();
    const StorageLoadReport loaded = putInStorages(std::move(files), storages());
    m_currentCharacter = character;
    m_hasCurrentCharacter = true;
    for (StorageArea* area : m_storageAreas)
        if (area->storage().lineCount() > 0)
            area->selectLine(0);

    QStringList problems;
    if (!loaded.unusableName.isEmpty())
        problems << messages::unusableName(character, loaded.unusableName);
    if (loaded.recovery)
        tellRecovery(*loaded.recovery, problems);
    for (const FileResult& file : loaded.unreadableFiles)
        problems << QStringLiteral("読み込めませんでした: %1").arg(file.message());
    for (const QString& file : loaded.truncatedFiles)
        problems << QStringLiteral("%1 は %2 行を超えているため、最初の %2 行だけを読み込みました。"
                                   "このまま保存すると残りの行は失われます。")
                        .arg(file)
                        .arg(Storage::kCapacity);
    if (!problems.isEmpty())
        report(problems.join(u'\n'));
}

void Form1::onCommand13Clicked()
{
    if (!holdsDataFolder())
        return;
    if (!m_hasCurrentCharacter) {
        showMessage(this, messages::nobody());
        return;
    }
    const FileResult saved = saveStorages(m_folder, m_currentCharacter, asConst(storages()));
    if (!saved.ok())
        showMessage(this, messages::failedWrite(QStringLiteral("保存できませんでした。"), saved));
}

void Form1::onStorageLineSelected(const StorageArea& area, int line)
{
    if (line >= 0)
        m_detailPanel->showDetail(area.storage().detail(line));
    else
        m_detailPanel->clear();
}

void Form1::onTakeOutClicked(StorageArea& area)
{
    const int line = area.selectedLine();
    if (line < 0) {
        showMessage(this, area.row().nothingToTakeOut.toString());
        return;
    }
    area.removeLine(line);
    selectLastStoredLines();
}

void Form1::onMoveClicked(StorageArea& area)
{
    const int line = area.selectedLine();
    Storage& destination = storage(area.row().moveTo);
    if (line < 0) {
        showMessage(this, area.row().nothingToMove.toString());
    } else if (destination.isFull()) {
        showMessage(this, messages::storageFull());
    } else {
        destination.appendFrom(area.storage(), line);
        area.removeLine(line);
        selectLastStoredLines();
    }
}

void Form1::selectLastStoredLines()
{
    for (StorageArea* area : m_storageAreas)
        area->selectLine(area->storage().lineCount() - 1);
}

void Form1::showCountCaptions()
{
    for (StorageArea* area : m_storageAreas)
        area->showCount();
}
