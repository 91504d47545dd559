// The main window's handlers for the current character's storages.
#include "ui/main/Form1.h"

#include "model/DetailText.h"
#include "model/StorageFiles.h"
#include "ui/ListBox.h"
#include "ui/Message.h"
#include "ui/main/Form1Messages.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

using namespace morvane;

void Form1::Combo2_Click(int index)
{
    m_indexChangedByChoice = index >= 0;
    if (index >= 0)
        loadStorages(Combo2->itemText(index));
}

void Form1::Combo2_Activated(int index)
{
    // A player's choice of another entry has already loaded through the
    // index change; choosing the entry already chosen reloads it, which
    // discards unsaved changes.
    if (m_indexChangedByChoice) {
        m_indexChangedByChoice = false;
        return;
    }
    if (index >= 0)
        loadStorages(Combo2->itemText(index));
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

void Form1::Combo2_TextEdited()
{
    if (Combo2->currentIndex() < 0)
        return;
    // Typing a name chooses nobody; keep what was typed on screen.
    QLineEdit* edit = Combo2->lineEdit();
    const QString typed = edit->text();
    const int cursor = edit->cursorPosition();
    Combo2->setCurrentIndex(-1);
    edit->setText(typed);
    edit->setCursorPosition(cursor);
}

void Form1::loadStorages(const QString& character)
{
    StorageFileContents files = m_storagesReadAtStartUp && m_storagesReadAtStartUp->character == character
                                    ? std::move(*m_storagesReadAtStartUp)
                                    : readStorageFiles(m_folder, character);
    m_storagesReadAtStartUp.reset();
    const StorageLoadReport loaded = putInStorages(std::move(files), {&m_mogSafe, &m_bag});
    m_currentCharacter = character;
    m_hasCurrentCharacter = true;
    if (m_mogSafe.lineCount() > 0)
        List2->selectRow(0);
    if (m_bag.lineCount() > 0)
        List3->selectRow(0);
    updateCountCaptions();

    QStringList problems;
    if (loaded.recovery == FileTransaction::Recovery::Finished)
        problems << QStringLiteral("前回の保存が途中で止まっていたため、その保存を最後まで済ませました。");
    if (loaded.recovery == FileTransaction::Recovery::Undone)
        problems << QStringLiteral("前回の保存が途中で止まっていたため、その保存を取り消し、保存前のファイルに戻しました。");
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

void Form1::Command13_Click()
{
    if (!m_hasCurrentCharacter) {
        showMessage(this, messages::nobody());
        return;
    }
    const FileResult saved = saveStorages(m_folder, m_currentCharacter, {&m_mogSafe, &m_bag});
    if (!saved.ok())
        showMessage(this, messages::failedWrite(QStringLiteral("保存できませんでした。"), saved));
}

void Form1::storageList_Click(const Storage& storage, const QModelIndex& current)
{
    clearDetailPanel();
    if (!current.isValid())
        return;
    const QStringList parts = detailDisplayLines(storage.detail(current.row()));
    QLabel* const labels[] = {Label1, Label4, Label5, Label6};
    for (int k = 0; k < 4 && k < parts.size(); ++k)
        labels[k]->setText(parts.at(k));
}

void Form1::takeOut(Storage& source, ListBox* list, const QString& emptyMessage)
{
    const int line = list->selectedRow();
    if (line < 0) {
        showMessage(this, emptyMessage);
    } else {
        // Taking the selection away first keeps the list from moving it to a
        // neighbouring line (and showing that line's details) on its own.
        list->selectRow(-1);
        source.removeAt(line);
        selectLastStoredLines();
    }
    updateCountCaptions();
}

void Form1::move(Storage& source, ListBox* sourceList, Storage& destination, const QString& emptyMessage)
{
    const int line = sourceList->selectedRow();
    if (line < 0) {
        showMessage(this, emptyMessage);
    } else if (destination.isFull()) {
        showMessage(this, messages::storageFull());
    } else {
        destination.appendFrom(source, line);
        sourceList->selectRow(-1);
        source.removeAt(line);
        selectLastStoredLines();
    }
    updateCountCaptions();
}

void Form1::selectLastStoredLines()
{
    List2->selectRow(m_mogSafe.lineCount() - 1);
    List3->selectRow(m_bag.lineCount() - 1);
}

void Form1::updateCountCaptions()
{
    Label2->setText(m_mogSafe.countCaption());
    Label3->setText(m_bag.countCaption());
}

void Form1::clearDetailPanel()
{
    for (QLabel* label : {Label1, Label4, Label5, Label6})
        label->clear();
}
