// The main window's menu commands, and the registrations its dialogs make.
#include "ui/main/Form1.h"

#include "ui/ListBox.h"
#include "ui/Message.h"
#include "ui/WindowPlacement.h"
#include "ui/character_dialog/Form2.h"
#include "ui/item_dialog/Form3.h"
#include "ui/main/DetailPanel.h"
#include "ui/search_dialog/Form4.h"
#include "ui/main/Form1Messages.h"

#include <QApplication>
#include <QComboBox>

using namespace morvane;

static void bringUp(QWidget* dialog, QWidget* mainWindow)
{
    showOver(dialog, mainWindow);
    dialog->raise();
    dialog->activateWindow();
}

// Each dialog exists at most once. Its buttons only hide it; its close box
// discards it, and the next showing builds it afresh.
template <typename Dialog, typename Registrar>
static void showDialog(QPointer<Dialog>& dialog, Registrar& registrar, QWidget* mainWindow)
{
    if (!dialog) {
        dialog = new Dialog(registrar, mainWindow);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    bringUp(dialog, mainWindow);
}

void Form1::onItemaddTriggered()
{
    showDialog(m_form3, static_cast<ItemRegistrar&>(*this), this);
}

void Form1::onAddcTriggered()
{
    showDialog(m_form2, static_cast<CharacterRegistrar&>(*this), this);
}

void Form1::onClecTriggered()
{
    if (!holdsDataFolder())
        return;
    const int chosen = m_combo2->currentIndex();
    // With nobody chosen the roster is still rewritten and the last
    // character chosen: the command always ends with a current character.
    if (chosen < 0)
        showMessage(this, messages::nobody());
    const FileResult written = m_roster.removeAt(chosen);
    if (!written.ok()) {
        showMessage(this, messages::failedWrite(QStringLiteral("キャラクターを削除できませんでした。"), written));
        return;
    }
    if (chosen >= 0) {
        // Nobody is chosen while the entry goes, so the list does not choose
        // (and load) a neighbour on its own.
        m_combo2->setCurrentIndex(-1);
        m_combo2->removeItem(chosen);
    }
    selectLastCharacter();
}

void Form1::selectLastCharacter()
{
    if (m_combo2->count() > 0) {
        m_combo2->setCurrentIndex(m_combo2->count() - 1);
        return;
    }
    // Nobody is left: the deleted character's lines are not kept on screen.
    m_hasCurrentCharacter = false;
    m_currentCharacter.clear();
    for (Storage& storage : m_storages)
        storage.clear();
    m_combo2->setCurrentIndex(-1);
    m_detailPanel->clear();
}

void Form1::onEndTriggered()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void Form1::onItemsearchTriggered()
{
    // Its close box only hides it too: shown again, it shows its last search.
    if (!m_form4)
        m_form4 = new Form4(static_cast<HoldingsSource&>(*this), this);
    bringUp(m_form4, this);
}

// ---- Registrations from the dialogs ----------------------------------------

int Form1::catalogueLineCount() const
{
    return m_catalogueView.lineCount();
}

bool Form1::registerItem(const ItemRecord& record)
{
    if (!holdsDataFolder())
        return false;
    if (m_catalogue.isFull() || m_catalogueView.isFull()) {
        showMessage(this, QStringLiteral("アイテムリストは %1 件までです。これ以上は登録できません。")
                              .arg(ItemCatalogue::kCapacity));
        return false;
    }
    // The file comes first: a registration that cannot be written is not
    // shown either, so the list always matches what the next start-up loads.
    const FileResult written = m_registeredItems.append(record);
    if (!written.ok()) {
        showMessage(this, messages::failedWrite(QStringLiteral("アイテムを登録できませんでした。"), written));
        return false;
    }
    m_catalogue.append(record.entry);
    m_catalogueView.appendLastEntry();
    m_list1->selectRow(m_catalogueView.lineCount() - 1);
    return true;
}

HoldingsScope Form1::holdingsScope() const
{
    HoldingsScope scope{m_folder, m_roster.names(), std::nullopt};
    if (m_hasCurrentCharacter) {
        ConstStorageSet shown{};
        for (int k = 0; k < kStorageKindCount; ++k)
            shown[k] = &m_storages[k];
        scope.chosen = ChosenCharacter{m_currentCharacter, shown};
    }
    return scope;
}

bool Form1::addCharacter(const QString& name)
{
    if (!holdsDataFolder())
        return false;
    const FileResult written = m_roster.append(name);
    if (!written.ok()) {
        showMessage(this, messages::failedWrite(QStringLiteral("キャラクターを追加できませんでした。"), written));
        return false;
    }
    m_combo2->addItem(name);
    m_combo2->setCurrentIndex(m_combo2->count() - 1);
    return true;
}
