#include "ui/main/Form1.h"

#include "ui/ListBox.h"
#include "ui/main/Controls.h"
#include "ui/main/CountSelector.h"
#include "ui/main/CrystalFilterButtons.h"
#include "ui/main/DetailPanel.h"
#include "ui/main/StorageArea.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace morvane;

void Form1::buildWindow()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);
    setWindowIcon(QIcon(QStringLiteral(":/icons/morvane.png")));

    m_command13 = commandButton(13, central);
    m_command14 = commandButton(14, central);
    m_command23 = commandButton(23, central);

    // Catalogue area
    m_frame1 = named(new QGroupBox(central), QStringLiteral("Frame1"));
    m_list1 = named(new ListBox(m_frame1), QStringLiteral("List1"));
    m_list1->setModel(&m_catalogueView);
    m_text1 = named(new QLineEdit(m_frame1), QStringLiteral("Text1"));
    m_crystalFilters = new CrystalFilterButtons(m_frame1);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(m_text1, 1);
    searchRow->addWidget(m_command14);
    auto* catalogueLayout = new QVBoxLayout(m_frame1);
    catalogueLayout->addWidget(m_list1, 1);
    catalogueLayout->addLayout(searchRow);
    catalogueLayout->addWidget(m_command23);
    catalogueLayout->addWidget(m_crystalFilters, 0, Qt::AlignHCenter);

    // Character area
    m_frame5 = named(new QGroupBox(central), QStringLiteral("Frame5"));
    m_combo2 = named(new QComboBox(m_frame5), QStringLiteral("Combo2"));
    m_combo2->setEditable(true);
    m_combo2->setInsertPolicy(QComboBox::NoInsert);
    m_combo2->setMinimumContentsLength(10);
    auto* characterLayout = new QHBoxLayout(m_frame5);
    characterLayout->addWidget(m_combo2, 1);
    characterLayout->addWidget(m_command13);

    m_countSelector = new CountSelector(central);

    m_image1 = named(new QLabel(central), QStringLiteral("Image1"));
    m_image1->setPixmap(QIcon(QStringLiteral(":/pictures/picture.png")).pixmap(QSize(70, 100)));
    m_image1->setFixedSize(70, 100);

    for (const StorageKindFiles& kind : kStorageKinds)
        m_storageAreas[indexOf(kind.kind)] = new StorageArea(kind.kind, storage(kind.kind), central);

    auto* middle = new QVBoxLayout;
    middle->addWidget(m_frame5);
    middle->addWidget(m_countSelector);
    for (StorageArea* area : m_storageAreas)
        middle->addWidget(area->putButton());
    middle->addStretch(1);
    middle->addWidget(m_image1, 0, Qt::AlignHCenter);

    auto* storages = new QHBoxLayout;
    for (StorageArea* area : m_storageAreas)
        storages->addWidget(area, 1);

    m_detailPanel = new DetailPanel(central);

    auto* right = new QVBoxLayout;
    right->addLayout(storages, 1);
    right->addWidget(m_detailPanel);

    auto* columns = new QHBoxLayout;
    columns->addWidget(m_frame1, 4);
    columns->addLayout(middle, 3);
    columns->addLayout(right, 10);

    m_label7 = plainLabel(QStringLiteral("Label7"), central);
    m_label8 = plainLabel(QStringLiteral("Label8"), central);
    auto* footer = new QHBoxLayout;
    footer->addWidget(m_label7);
    footer->addWidget(m_label8);
    footer->addStretch(1);

    auto* window = new QVBoxLayout(central);
    window->addLayout(columns, 1);
    window->addLayout(footer);

    resize(1120, 660);
}

void Form1::buildMenu()
{
    auto addCommand = [this](const char* name, const QString& caption, void (Form1::*handler)()) {
        QAction* action = menuBar()->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
    };
    addCommand("itemadd", QStringLiteral("アイテムリスト追加"), &Form1::onItemaddTriggered);
    addCommand("addc", QStringLiteral("キャラクター追加"), &Form1::onAddcTriggered);
    addCommand("clec", QStringLiteral("キャラクター削除"), &Form1::onClecTriggered);
    addCommand("end", QStringLiteral("終了"), &Form1::onEndTriggered);
    addCommand("itemsearch", QStringLiteral("所持品検索"), &Form1::onItemsearchTriggered);
}
