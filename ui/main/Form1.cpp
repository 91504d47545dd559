#include "ui/main/Form1.h"

#include "model/catalogue/Crystals.h"
#include "model/storage/StorageLine.h"
#include "model/storage/StorageSort.h"
#include "model/catalogue/WildcardPattern.h"
#include "ui/ListBox.h"
#include "ui/Message.h"
#include "ui/main/Form1Messages.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <future>
#include <utility>

using namespace morvane;

namespace {

QString catalogueProblems(const CatalogueFileReport& report, bool mustExist)
{
    QStringList problems;
    if (report.file.isMissing() && mustExist)
        problems << QStringLiteral("%1 が見つかりません。").arg(report.fileName);
    if (!report.file.ok())
        problems << QStringLiteral("%1 を読み込めませんでした（%2）。").arg(report.fileName, report.file.reason());
    if (report.unreadableLines > 0)
        problems << QStringLiteral("%1 の %2 行は読み取れないため飛ばしました（最初は %3 行目）。")
                        .arg(report.fileName)
                        .arg(report.unreadableLines)
                        .arg(report.firstUnreadableLine);
    if (report.linesBeyondCapacity > 0)
        problems << QStringLiteral("アイテムリストは %1 件までのため、%2 の %3 件は読み込みませんでした。")
                        .arg(ItemCatalogue::kCapacity)
                        .arg(report.fileName)
                        .arg(report.linesBeyondCapacity);
    return problems.join(u'\n');
}

} // namespace

Form1::Form1(QWidget* parent)
    : Form1(DataFolder::besideExecutable().path(), parent)
{
}

static void initResources()
{
    // The pictures live in the static UI library, whose resources are not
    // registered on their own.
    Q_INIT_RESOURCE(morvane);
}

Form1::Form1(const QString& dataFolder, QWidget* parent)
    : QMainWindow(parent)
    , m_folder(dataFolder)
    , m_folderLock(m_folder)
    , m_catalogueView(m_catalogue)
    , m_roster(m_folder)
    , m_registeredItems(m_folder)
{
    // Reading a full data folder takes about as long as building the window,
    // so the two run side by side; start-up then uses what was read. Should
    // no thread be available, the files are read when start-up needs them.
    std::future<StartUpFiles> files;
    if (holdsDataFolder())
        files = std::async(std::launch::async | std::launch::deferred, readStartUpFiles, m_folder);
    initResources();
    setObjectName(QStringLiteral("Form1"));
    buildWindow();
    buildMenu();
    connectHandlers();
    setUpKeyboard();
    describeControls();
    if (holdsDataFolder())
        startUp(files.get());
    else
        refuseDataFolder();
}

void Form1::refuseDataFolder()
{
    const std::optional<qint64> holder = m_folderLock.holderProcessId();
    const QString process = holder ? QStringLiteral("（プロセスID %1）").arg(*holder) : QString();
    showMessage(this, QStringLiteral("Morvaneはこのデータフォルダーですでに開いています%1。\n%2")
                          .arg(process, QDir::toNativeSeparators(m_folder.path())));
    close();
}

void Form1::setVisible(bool visible)
{
    QMainWindow::setVisible(visible && holdsDataFolder());
}

Form1::~Form1() = default;

void Form1::connectHandlers()
{
    connect(m_list1->selectionModel(), &QItemSelectionModel::currentChanged, this, &Form1::onList1Selected);
    connect(m_command[14], &QPushButton::clicked, this, &Form1::onCommand14Clicked);
    for (const CrystalFilter& filter : kCrystalFilters)
        connect(m_command[filter.button], &QPushButton::clicked, this, [this, filter] { onCrystalFilterClicked(filter); });
    connect(m_command[23], &QPushButton::clicked, this, &Form1::onCommand23Clicked);

    const std::pair<int, CountButton> countButtons[] = {
        {7, CountButton::Twelve}, {8, CountButton::NinetyNine}, {9, CountButton::PlusOne},
        {10, CountButton::MinusOne}, {11, CountButton::PlusTen}, {12, CountButton::MinusTen}};
    for (const auto& countButton : countButtons) {
        const CountButton button = countButton.second;
        connect(m_command[countButton.first], &QPushButton::clicked, this, [this, button] { onCountButtonClicked(button); });
    }

    connect(m_combo2, &QComboBox::currentIndexChanged, this, &Form1::onCombo2IndexChanged);
    connect(m_combo2, &QComboBox::activated, this, &Form1::onCombo2Activated);
    connect(m_combo2->lineEdit(), &QLineEdit::textEdited, this, &Form1::onCombo2TextEdited);
    for (QObject* part : {static_cast<QObject*>(m_combo2), static_cast<QObject*>(m_combo2->lineEdit()),
                          static_cast<QObject*>(m_combo2->view()->viewport())})
        part->installEventFilter(this);
    connect(m_command[13], &QPushButton::clicked, this, &Form1::onCommand13Clicked);

    for (const StorageArea& area : kStorageAreas) {
        const StorageKind kind = area.kind;
        Storage& shown = storage(kind);
        // The count captions follow every change of a storage, whoever makes
        // it; all of them are set again, as after every put, take-out or move.
        connect(&shown, &Storage::rowsInserted, this, &Form1::showCountCaptions);
        connect(&shown, &Storage::rowsRemoved, this, &Form1::showCountCaptions);
        connect(&shown, &Storage::modelReset, this, &Form1::showCountCaptions);
        connect((this->*area.list)->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this, kind](const QModelIndex& current) { onStorageListSelected(kind, current); });
        connect(m_command[area.putButton], &QPushButton::clicked, this, [this, kind] { onPutClicked(kind); });
        connect(m_command[area.takeOutButton], &QPushButton::clicked, this, [this, &area] { onTakeOutClicked(area); });
        connect(m_command[area.moveButton], &QPushButton::clicked, this, [this, &area] { onMoveClicked(area); });
        connect(m_command[area.sortButton], &QPushButton::clicked, this, [&shown] { sortStorage(shown); });
    }
}

StorageSet Form1::storages()
{
    StorageSet set;
    for (int k = 0; k < kStorageKindCount; ++k)
        set[k] = &m_storages[k];
    return set;
}

// The order matters: choosing the first character shows its first lines'
// details, which the panel clearing then removes; the count selector is set
// to "1" before the first catalogue line may move it to "12" or "99".
void Form1::startUp(StartUpFiles files)
{
    m_startingUp = true;
    if (!m_folder.exists())
        m_startUpProblems << QStringLiteral("データフォルダーが見つかりません。保存や登録はできません。\n%1")
                                 .arg(QDir::toNativeSeparators(m_folder.path()));

    tellRecovery(files.recovery, m_startUpProblems);
    m_catalogue = std::move(files.catalogue);
    for (const QString& problem : {catalogueProblems(files.seedCatalogue, m_folder.exists()),
                                   catalogueProblems(files.registeredItems, false)})
        if (!problem.isEmpty())
            m_startUpProblems << problem;
    m_catalogueView.showAll();

    m_roster = std::move(files.roster);
    if (!files.rosterFile.ok())
        m_startUpProblems << QStringLiteral("%1 を読み込めませんでした（%2）。")
                                 .arg(CharacterRoster::kFileName, files.rosterFile.reason());
    m_storagesReadAtStartUp = std::move(files.firstCharacterStorages);
    m_combo2->addItems(m_roster.names());
    if (m_combo2->count() > 0)
        m_combo2->setCurrentIndex(0);
    showCountCaptions();

    for (const StorageArea& shown : kStorageAreas) {
        (this->*shown.frame)->setTitle(storageName(shown.kind).toString());
        m_command[shown.putButton]->setText(QStringLiteral("%1へ").arg(storageName(shown.kind)));
        m_command[shown.moveButton]->setText(QStringLiteral("%1へ").arg(storageName(shown.moveTo)));
        m_command[shown.takeOutButton]->setText(QStringLiteral("アイテムを消去"));
        m_command[shown.sortButton]->setText(QStringLiteral("ソート"));
    }
    const std::pair<int, const char16_t*> buttonCaptions[] = {
        {7, u"12"}, {8, u"99"}, {9, u"+1"}, {10, u"-1"}, {11, u"+10"}, {12, u"-10"},
        {13, u"保存"}, {14, u"検索"}, {23, u"すべて表示"}};
    for (const auto& [n, caption] : buttonCaptions)
        m_command[n]->setText(QString::fromUtf16(caption));
    m_frame1->setTitle(QStringLiteral("アイテム一覧"));
    m_frame4->setTitle(QStringLiteral("スタック数"));
    m_frame5->setTitle(QStringLiteral("キャラクター名"));
    m_frame6->setTitle(QStringLiteral("クリスタル"));
    m_frame7->setTitle(QStringLiteral("Information"));

    m_text1->setText(QStringLiteral("アイテム名を入力"));
    m_combo1->setCurrentIndex(0);
    setWindowTitle(QStringLiteral("Morvane for FF XI"));
    for (int n = 15; n <= 22; ++n)
        m_command[n]->setText(QString());

    selectFirstCatalogueLine();
    clearDetailPanel();
    m_label7->setText(QStringLiteral("Final Fantasy XI Support Soft"));
    m_label8->setText(QStringLiteral("Ver1.3.0"));
    m_startingUp = false;
}

void Form1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_startUpReported) {
        m_startUpReported = true;
        // Told once, after the window is on screen, so the player sees what
        // the message is about.
        QTimer::singleShot(0, this, &Form1::reportStartUpProblems);
    }
}

void Form1::reportStartUpProblems()
{
    if (!m_startUpProblems.isEmpty())
        showMessage(this, m_startUpProblems.join(QStringLiteral("\n\n")));
    m_startUpProblems.clear();
}

void Form1::tellRecovery(const Recovery& recovery, QStringList& problems)
{
    const QString message = messages::interruptedSave(recovery);
    const bool unfinished = recovery.outcome == Recovery::Outcome::Unfinished;
    if (std::exchange(m_unfinishedSaveTold, unfinished ? message : QString()) == message && unfinished)
        return;
    if (!message.isEmpty())
        problems << message;
}

void Form1::report(const QString& message)
{
    if (m_startingUp)
        m_startUpProblems << message;
    else
        showMessage(this, message);
}

// ---- Catalogue ----------------------------------------------------------

void Form1::onList1Selected(const QModelIndex& current)
{
    if (!current.isValid())
        return;
    const std::optional<SelectorSetting> setting = selectorSettingFor(m_catalogueView.viewStack(current.row()));
    if (!setting)
        return;
    m_combo1->setCurrentIndex(setting->index);
    m_command[7]->setEnabled(setting->twelveEnabled);
    m_command[8]->setEnabled(setting->ninetyNineEnabled);
    for (int n = 9; n <= 12; ++n)
        m_command[n]->setEnabled(setting->stepsEnabled);
}

void Form1::selectFirstCatalogueLine()
{
    if (m_catalogueView.lineCount() > 0)
        m_list1->selectRow(0);
}

void Form1::onCommand14Clicked()
{
    const WildcardPattern pattern(QStringLiteral("*") + m_text1->text() + QStringLiteral("*"));
    m_catalogueView.rebuild([&pattern](const QString& name) { return pattern.matches(name); });
    if (m_catalogueView.lineCount() > 0)
        selectFirstCatalogueLine();
    else
        showMessage(this, QStringLiteral("該当するアイテムはありません"));
}

void Form1::onCrystalFilterClicked(const CrystalFilter& filter)
{
    m_catalogueView.rebuild([&filter](const QString& name) { return keepsName(filter, name); });
    selectFirstCatalogueLine();
}

void Form1::onCommand23Clicked()
{
    m_catalogueView.showAll();
    selectFirstCatalogueLine();
}

// ---- Count selector and putting away --------------------------------------

void Form1::onCountButtonClicked(CountButton button)
{
    m_combo1->setCurrentIndex(countIndexAfter(button, m_combo1->currentIndex()));
}

void Form1::onPutClicked(StorageKind kind)
{
    Storage& destination = storage(kind);
    const int line = m_list1->selectedRow();
    if (line < 0)
        return;
    if (destination.isFull()) {
        showMessage(this, messages::storageFull());
        return;
    }
    const qint16 stackSize = m_catalogueView.viewStack(line);
    const QString count = countToPut(stackSize, m_combo1->currentText());
    if (putsSingleItem(stackSize))
        m_combo1->setCurrentIndex(0);
    const Storage::AppendResult added =
        destination.append(storageLine(m_catalogueView.lineText(line), count), m_catalogueView.viewDetail(line));
    if (added == Storage::AppendResult::NotStorable)
        showMessage(this, QStringLiteral("このアイテムはShift-JISで表せない文字を含むため、入れられません。"));
}
