#include "ui/main/Form1.h"

#include "model/storage/StackCount.h"
#include "model/storage/StorageLine.h"
#include "model/catalogue/WildcardPattern.h"
#include "ui/ListBox.h"
#include "ui/Message.h"
#include "ui/main/CountSelector.h"
#include "ui/main/CrystalFilterButtons.h"
#include "ui/main/DetailPanel.h"
#include "ui/main/Form1Messages.h"
#include "ui/main/StorageArea.h"

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
    connect(m_command14, &QPushButton::clicked, this, &Form1::onCommand14Clicked);
    connect(m_crystalFilters, &CrystalFilterButtons::filterChosen, this, &Form1::onCrystalFilterClicked);
    connect(m_command23, &QPushButton::clicked, this, &Form1::onCommand23Clicked);

    connect(m_combo2, &QComboBox::currentIndexChanged, this, &Form1::onCombo2IndexChanged);
    connect(m_combo2, &QComboBox::activated, this, &Form1::onCombo2Activated);
    connect(m_combo2->lineEdit(), &QLineEdit::textEdited, this, &Form1::onCombo2TextEdited);
    for (QObject* part : {static_cast<QObject*>(m_combo2), static_cast<QObject*>(m_combo2->lineEdit()),
                          static_cast<QObject*>(m_combo2->view()->viewport())})
        part->installEventFilter(this);
    connect(m_command13, &QPushButton::clicked, this, &Form1::onCommand13Clicked);

    for (Storage& shown : m_storages) {
        // The count captions follow every change of a storage, whoever makes
        // it; all of them are set again, as after every put, take-out or move.
        connect(&shown, &Storage::rowsInserted, this, &Form1::showCountCaptions);
        connect(&shown, &Storage::rowsRemoved, this, &Form1::showCountCaptions);
        connect(&shown, &Storage::modelReset, this, &Form1::showCountCaptions);
    }
    for (StorageArea* area : m_storageAreas) {
        connect(area, &StorageArea::lineSelected, this, [this, area](int line) { onStorageLineSelected(*area, line); });
        connect(area, &StorageArea::putClicked, this, [this, area] { onPutClicked(*area); });
        connect(area, &StorageArea::takeOutClicked, this, [this, area] { onTakeOutClicked(*area); });
        connect(area, &StorageArea::moveClicked, this, [this, area] { onMoveClicked(*area); });
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

    m_command13->setText(QStringLiteral("保存"));
    m_command14->setText(QStringLiteral("検索"));
    m_command23->setText(QStringLiteral("すべて表示"));
    m_frame1->setTitle(QStringLiteral("アイテム一覧"));
    m_frame5->setTitle(QStringLiteral("キャラクター名"));

    m_text1->setText(QStringLiteral("アイテム名を入力"));
    m_countSelector->resetToOne();
    setWindowTitle(QStringLiteral("Morvane for FF XI"));

    selectFirstCatalogueLine();
    m_detailPanel->clear();
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
    m_countSelector->adjustTo(*setting);
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

// ---- Putting away -----------------------------------------------------------

void Form1::onPutClicked(const StorageArea& area)
{
    Storage& destination = area.storage();
    const int line = m_list1->selectedRow();
    if (line < 0)
        return;
    if (destination.isFull()) {
        showMessage(this, messages::storageFull());
        return;
    }
    const qint16 stackSize = m_catalogueView.viewStack(line);
    const QString count = countToPut(stackSize, m_countSelector->count());
    if (putsSingleItem(stackSize))
        m_countSelector->resetToOne();
    const Storage::AppendResult added =
        destination.append(storageLine(m_catalogueView.lineText(line), count), m_catalogueView.viewDetail(line));
    if (added == Storage::AppendResult::NotStorable)
        showMessage(this, QStringLiteral("このアイテムはShift-JISで表せない文字を含むため、入れられません。"));
}
