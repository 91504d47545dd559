// The main window's handlers for the current character's storages.
#include "ui/main/Form1.h"

#include "model/catalogue/DetailText.h"
#include "model/storage/StorageFiles.h"
#include "ui/ListBox.h"
#include "ui/Message.h"
#include "ui/main/Form1Messages.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

using namespace morvane;

const std::array<Form1::StorageArea, kStorageKindCount> Form1::kStorageAreas{{
    {StorageKind::MogSafe, StorageKind::Bag, 2, &Form1::m_frame2, &Form1::m_label2, &Form1::m_list2,
     1, 4, 3, 24, u"金庫が空っぽクポ；；", u"金庫が空っぽクポ；；"},
    {StorageKind::Bag, StorageKind::MogSafe, 3, &Form1::m_frame3, &Form1::m_label3, &Form1::m_list3,
     2, 6, 5, 25, u"カバンが空っぽクポ；；", u"かばんが空っぽクポ；；"},
}};

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
    for (const StorageArea& area : kStorageAreas)
        if (storage(area.kind).lineCount() > 0)
            list(area.kind)->selectRow(0);

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

void Form1::onStorageListSelected(StorageKind kind, const QModelIndex& current)
{
    clearDetailPanel();
    if (!current.isValid())
        return;
    const QStringList parts = detailDisplayLines(storage(kind).detail(current.row()));
    QLabel* const labels[] = {m_label1, m_label4, m_label5, m_label6};
    for (int k = 0; k < 4 && k < parts.size(); ++k)
        labels[k]->setText(parts.at(k));
}

void Form1::onTakeOutClicked(const StorageArea& area)
{
    ListBox* sourceList = list(area.kind);
    const int line = sourceList->selectedRow();
    if (line < 0) {
        showMessage(this, area.takeOutEmpty.toString());
        return;
    }
    // Taking the selection away first keeps the list from moving it to a
    // neighbouring line (and showing that line's details) on its own.
    sourceList->selectRow(-1);
    storage(area.kind).removeAt(line);
    selectLastStoredLines();
}

void Form1::onMoveClicked(const StorageArea& area)
{
    ListBox* sourceList = list(area.kind);
    const int line = sourceList->selectedRow();
    Storage& destination = storage(area.moveTo);
    if (line < 0) {
        showMessage(this, area.moveEmpty.toString());
    } else if (destination.isFull()) {
        showMessage(this, messages::storageFull());
    } else {
        destination.appendFrom(storage(area.kind), line);
        sourceList->selectRow(-1);
        storage(area.kind).removeAt(line);
        selectLastStoredLines();
    }
}

void Form1::selectLastStoredLines()
{
    for (const StorageArea& area : kStorageAreas)
        list(area.kind)->selectRow(storage(area.kind).lineCount() - 1);
}

void Form1::showCountCaptions()
{
    for (const StorageArea& area : kStorageAreas)
        (this->*area.countLabel)->setText(storage(area.kind).countCaption());
}

void Form1::clearDetailPanel()
{
    for (QLabel* label : {m_label1, m_label4, m_label5, m_label6})
        label->clear();
}
