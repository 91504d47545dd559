#pragma once

#include "model/catalogue/CatalogueView.h"
#include "model/characters/CharacterRoster.h"
#include "model/files/DataFolder.h"
#include "model/files/DataFolderLock.h"
#include "model/catalogue/ItemCatalogue.h"
#include "model/catalogue/RegisteredItems.h"
#include "model/files/StartUpFiles.h"
#include "model/storage/Storage.h"
#include "model/storage/StorageKinds.h"
#include "ui/character_dialog/CharacterRegistrar.h"
#include "ui/item_dialog/ItemRegistrar.h"
#include "ui/search_dialog/HoldingsSource.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace morvane {

class CountSelector;
class CrystalFilterButtons;
class DetailPanel;
class StorageArea;
struct CrystalFilter;
class Form2;
class Form3;
class Form4;
class ListBox;

// The main window: the catalogue, the count selector, the current
// character's two storages and the detail panel. Its handlers only route
// control events to the model and refresh the controls.
class Form1 : public QMainWindow, private ItemRegistrar, private CharacterRegistrar, private HoldingsSource {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    // Runs over another data folder (tests, benchmarks).
    explicit Form1(const QString& dataFolder, QWidget* parent = nullptr);
    ~Form1() override;

    // False when another Morvane window holds the data folder: this one then
    // never reads or writes a file of it, and never shows.
    bool holdsDataFolder() const { return !m_folderLock.isHeldElsewhere(); }
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildMenu();
    void connectHandlers();
    void setUpKeyboard();
    void openMenuBarFromKeyboard();
    void describeControls();
    void startUp(StartUpFiles files);
    void refuseDataFolder();
    void reportStartUpProblems();
    void report(const QString& message);
    void tellRecovery(const Recovery& recovery, QStringList& problems);

    Storage& storage(StorageKind kind) { return m_storages[indexOf(kind)]; }
    StorageSet storages();

    // Catalogue
    void onList1Selected(const QModelIndex& current);
    void onCommand14Clicked();
    void onCrystalFilterClicked(const CrystalFilter& filter);
    void onCommand23Clicked();
    void selectFirstCatalogueLine();

    // Putting away
    void onPutClicked(const StorageArea& area);

    // Storages
    void onCombo2IndexChanged(int index);
    void onCombo2Activated(int index);
    void onCombo2TextEdited();
    void chooseCharacter(const QString& character);
    void onCommand13Clicked();
    void onStorageLineSelected(const StorageArea& area, int line);
    void onTakeOutClicked(StorageArea& area);
    void onMoveClicked(StorageArea& area);
    void selectLastStoredLines();
    void showCountCaptions();

    // Menu
    void onItemaddTriggered();
    void onAddcTriggered();
    void onClecTriggered();
    void onEndTriggered();
    void onItemsearchTriggered();
    void selectLastCharacter();

    int catalogueLineCount() const override;
    bool registerItem(const ItemRecord& record) override;
    bool addCharacter(const QString& name) override;
    HoldingsScope holdingsScope() const override;

    DataFolder m_folder;
    DataFolderLock m_folderLock;
    ItemCatalogue m_catalogue;
    CatalogueView m_catalogueView;
    CharacterRoster m_roster;
    RegisteredItems m_registeredItems;
    std::array<Storage, kStorageKindCount> m_storages;
    QString m_currentCharacter;
    bool m_hasCurrentCharacter = false;
    bool m_indexChangedByChoice = false;

    // The first character's files, read with the rest of the data folder and
    // used up when start-up chooses that character.
    std::optional<StorageFileContents> m_storagesReadAtStartUp;
    bool m_startingUp = false;
    bool m_startUpReported = false;
    QStringList m_startUpProblems;
    // A save that recovery cannot finish is tried at every read, told once.
    QString m_unfinishedSaveTold;

    QPointer<Form2> m_form2;
    QPointer<Form3> m_form3;
    QPointer<Form4> m_form4;

    // Controls: m_list1 is the control whose objectName is List1, and so on;
    // the groups below hold the others.
    QGroupBox* m_frame1 = nullptr;
    QGroupBox* m_frame5 = nullptr;
    ListBox* m_list1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QComboBox* m_combo2 = nullptr;
    QPushButton* m_command13 = nullptr;
    QPushButton* m_command14 = nullptr;
    QPushButton* m_command23 = nullptr;
    QLabel* m_label7 = nullptr;
    QLabel* m_label8 = nullptr;
    QLabel* m_image1 = nullptr;
    CrystalFilterButtons* m_crystalFilters = nullptr;
    CountSelector* m_countSelector = nullptr;
    std::array<StorageArea*, kStorageKindCount> m_storageAreas{};
    DetailPanel* m_detailPanel = nullptr;
};

} // namespace morvane
