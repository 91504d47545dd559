#include "ui/main/StorageArea.h"

#include "model/storage/Storage.h"
#include "model/storage/StorageSort.h"
#include "ui/ListBox.h"
#include "ui/main/Controls.h"
#include "ui/main/StorageLineDelegate.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace morvane {
namespace {

// One row to each storage kind, in the kinds' order.
constexpr std::array<StorageAreaRow, kStorageKindCount> kStorageAreaRows{{
    {.kind = StorageKind::MogSafe, .moveTo = StorageKind::Bag, .number = 2,
     .putButton = 1, .moveButton = 4, .takeOutButton = 3, .sortButton = 24,
     .nothingToTakeOut = u"金庫が空っぽクポ；；", .nothingToMove = u"金庫が空っぽクポ；；"},
    {.kind = StorageKind::Bag, .moveTo = StorageKind::MogSafe, .number = 3,
     .putButton = 2, .moveButton = 6, .takeOutButton = 5, .sortButton = 25,
     .nothingToTakeOut = u"カバンが空っぽクポ；；", .nothingToMove = u"かばんが空っぽクポ；；"},
}};

constexpr bool rowsInKindOrder()
{
    for (int k = 0; k < kStorageKindCount; ++k)
        if (indexOf(kStorageAreaRows[k].kind) != k)
            return false;
    return true;
}
static_assert(rowsInKindOrder(), "every storage kind needs its row, in the kinds' order");

QPushButton* button(int number, const QString& caption, QWidget* parent)
{
    QPushButton* made = commandButton(number, parent);
    made->setText(caption);
    return made;
}

} // namespace

StorageArea::StorageArea(StorageKind kind, Storage& storage, QWidget* parent)
    : QGroupBox(parent)
    , m_row(kStorageAreaRows[indexOf(kind)])
    , m_storage(storage)
{
    const QString number = QString::number(m_row.number);
    const QStringView name = storageName(kind);
    setObjectName(QStringLiteral("Frame") + number);
    setTitle(name.toString());
    m_put = button(m_row.putButton, QStringLiteral("%1へ").arg(name), parent);

    m_count = plainLabel(QStringLiteral("Label") + number, this);
    m_list = named(new ListBox(this), QStringLiteral("List") + number);
    m_list->setModel(&m_storage);
    m_list->setItemDelegate(new StorageLineDelegate(m_list));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_count);
    layout->addWidget(m_list, 1);
    m_move = button(m_row.moveButton, QStringLiteral("%1へ").arg(storageName(m_row.moveTo)), this);
    m_takeOut = button(m_row.takeOutButton, QStringLiteral("アイテムを消去"), this);
    m_sort = button(m_row.sortButton, QStringLiteral("ソート"), this);
    for (QPushButton* inFrame : {m_move, m_takeOut, m_sort})
        layout->addWidget(inFrame);

    // Every area's buttons have the same captions: the hints say which storage they act on.
    describe(m_put, {}, QStringLiteral("選んだアイテムを%1に入れる").arg(name));
    describe(m_takeOut, {}, QStringLiteral("%1で選んだ行を消す（Delete）").arg(name));
    describe(m_move, {}, QStringLiteral("%1で選んだ行を%2へ移す").arg(name, storageName(m_row.moveTo)));
    describe(m_sort, {}, QStringLiteral("%1の中身を名前順に並べる").arg(name));
    describe(m_list, QStringLiteral("%1の中身").arg(name), QStringLiteral("%1に入っているアイテムと個数").arg(name));
    // The count label's caption is its name, so a screen reader reads the count.
    describe(m_count, {}, QStringLiteral("%1に入っている行の数").arg(name));

    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { emit lineSelected(current.isValid() ? current.row() : -1); });
    connect(m_put, &QPushButton::clicked, this, &StorageArea::putClicked);
    connect(m_move, &QPushButton::clicked, this, &StorageArea::moveClicked);
    connect(m_takeOut, &QPushButton::clicked, this, &StorageArea::takeOutClicked);
    connect(m_sort, &QPushButton::clicked, this, [this] { sortStorage(m_storage); });

    auto* deleteKey = new QShortcut(QKeySequence(Qt::Key_Delete), m_list);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, m_takeOut, &QPushButton::click);
}

void StorageArea::showCount()
{
    m_count->setText(m_storage.countCaption());
}

std::vector<QWidget*> StorageArea::tabOrder() const
{
    return {m_list, m_move, m_takeOut, m_sort};
}

int StorageArea::selectedLine() const
{
    return m_list->selectedRow();
}

void StorageArea::selectLine(int line)
{
    m_list->selectRow(line);
}

void StorageArea::removeLine(int line)
{
    m_list->selectRow(-1);
    m_storage.removeAt(line);
}

} // namespace morvane
