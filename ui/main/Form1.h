#pragma once

#include "model/CatalogueView.h"
#include "model/CharacterRoster.h"
#include "model/DataFolder.h"
#include "model/ItemCatalogue.h"
#include "model/StackCount.h"
#include "model/StartUpFiles.h"
#include "model/Storage.h"
#include "ui/character_dialog/CharacterRegistrar.h"
#include "ui/item_dialog/ItemRegistrar.h"

#include <QMainWindow>
#include <QPointer>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace morvane {

struct CrystalFilter;
class Form2;
class Form3;
class ListBox;

// The main window: the catalogue, the count selector, the current
// character's two storages and the detail panel. Its handlers only route
// control events to the model and refresh the controls.
class Form1 : public QMainWindow, private ItemRegistrar, private CharacterRegistrar {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    // Runs over another data folder (tests, benchmarks).
    explicit Form1(const QString& dataFolder, QWidget* parent = nullptr);
    ~Form1() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildMenu();
    void connectHandlers();
    void startUp(StartUpFiles files);
    void reportStartUpProblems();
    void report(const QString& message);

    // Catalogue
    void List1_Click(const QModelIndex& current);
    void Command14_Click();
    void crystalFilter_Click(const CrystalFilter& filter);
    void Command23_Click();
    void selectFirstCatalogueLine();

    // Count selector and putting away
    void countButton_Click(CountButton button);
    void putItem(Storage& storage);

    // Storages
    void Combo2_Click(int index);
    void Combo2_Activated(int index);
    void Combo2_TextEdited();
    void loadStorages(const QString& character);
    void Command13_Click();
    void storageList_Click(const Storage& storage, const QModelIndex& current);
    void takeOut(Storage& source, ListBox* list, const QString& emptyMessage);
    void move(Storage& source, ListBox* sourceList, Storage& destination,
              const QString& emptyMessage);
    void selectLastStoredLines();
    void updateCountCaptions();
    void clearDetailPanel();

    // Menu
    void itemadd_Click();
    void addc_Click();
    void clec_Click();
    void end_Click();
    void selectLastCharacter();

    int catalogueLineCount() const override;
    bool registerItem(const ItemRecord& record) override;
    bool addCharacter(const QString& name) override;

    DataFolder m_folder;
    ItemCatalogue m_catalogue;
    CatalogueView m_catalogueView;
    CharacterRoster m_roster;
    Storage m_mogSafe;
    Storage m_bag;
    QString m_currentCharacter;
    bool m_hasCurrentCharacter = false;
    bool m_indexChangedByChoice = false;

    // The first character's files, read with the rest of the data folder and
    // used up when start-up chooses that character.
    std::optional<StorageFileContents> m_storagesReadAtStartUp;
    bool m_startingUp = false;
    bool m_startUpReported = false;
    QStringList m_startUpProblems;

    QPointer<Form2> m_form2;
    QPointer<Form3> m_form3;

    // Controls, named as their objectNames.
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QGroupBox* Frame7 = nullptr;
    ListBox* List1 = nullptr;
    ListBox* List2 = nullptr;
    ListBox* List3 = nullptr;
    QLineEdit* Text1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QPushButton* Command[26] = {}; // Command[1] .. Command[25]
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Image1 = nullptr;
};

} // namespace morvane
