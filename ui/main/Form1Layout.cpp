#include "ui/main/Form1.h"

#include "model/catalogue/Crystals.h"

#include "ui/ListBox.h"
#include "ui/main/DetailLine.h"
#include "ui/main/StorageLineDelegate.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace morvane;

namespace {

template <typename Widget>
Widget* named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel* plainLabel(const QString& name, QWidget* parent)
{
    auto* label = named(new QLabel(parent), name);
    // Detail texts may hold "<" and must never be taken for markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

void Form1::buildWindow()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);
    setWindowIcon(QIcon(QStringLiteral(":/icons/morvane.png")));

    for (int n = 1; n <= 25; ++n) {
        m_command[n] = named(new QPushButton(central), QStringLiteral("Command%1").arg(n));
        m_command[n]->setAutoDefault(false);
    }

    // Catalogue area
    m_frame1 = named(new QGroupBox(central), QStringLiteral("Frame1"));
    m_list1 = named(new ListBox(m_frame1), QStringLiteral("List1"));
    m_list1->setModel(&m_catalogueView);
    m_text1 = named(new QLineEdit(m_frame1), QStringLiteral("Text1"));
    m_frame6 = named(new QGroupBox(m_frame1), QStringLiteral("Frame6"));
    auto* crystals = new QGridLayout(m_frame6);
    for (int k = 0; k < int(kCrystalFilters.size()); ++k) {
        const CrystalFilter& filter = kCrystalFilters[k];
        QPushButton* button = m_command[filter.button];
        button->setIcon(QIcon(QStringLiteral(":/crystals/%1.png").arg(filter.element)));
        button->setIconSize(QSize(32, 32));
        button->setFixedSize(40, 40);
        crystals->addWidget(button, k / 4, k % 4);
    }
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(m_text1, 1);
    searchRow->addWidget(m_command[14]);
    auto* catalogueLayout = new QVBoxLayout(m_frame1);
    catalogueLayout->addWidget(m_list1, 1);
    catalogueLayout->addLayout(searchRow);
    catalogueLayout->addWidget(m_command[23]);
    catalogueLayout->addWidget(m_frame6, 0, Qt::AlignHCenter);

    // Character area
    m_frame5 = named(new QGroupBox(central), QStringLiteral("Frame5"));
    m_combo2 = named(new QComboBox(m_frame5), QStringLiteral("Combo2"));
    m_combo2->setEditable(true);
    m_combo2->setInsertPolicy(QComboBox::NoInsert);
    m_combo2->setMinimumContentsLength(10);
    auto* characterLayout = new QHBoxLayout(m_frame5);
    characterLayout->addWidget(m_combo2, 1);
    characterLayout->addWidget(m_command[13]);

    // Count selector
    m_frame4 = named(new QGroupBox(central), QStringLiteral("Frame4"));
    m_combo1 = named(new QComboBox(m_frame4), QStringLiteral("Combo1"));
    for (int count = 1; count <= kCountEntries; ++count)
        m_combo1->addItem(QString::number(count));
    m_combo1->setMaxVisibleItems(12);
    auto* countLayout = new QGridLayout(m_frame4);
    countLayout->addWidget(m_combo1, 0, 0, 1, 2);
    for (int n = 7; n <= 12; ++n) {
        countLayout->addWidget(m_command[n], 1 + (n - 7) / 2, (n - 7) % 2);
    }

    m_image1 = named(new QLabel(central), QStringLiteral("Image1"));
    m_image1->setPixmap(QIcon(QStringLiteral(":/pictures/picture.png")).pixmap(QSize(70, 100)));
    m_image1->setFixedSize(70, 100);

    auto* middle = new QVBoxLayout;
    middle->addWidget(m_frame5);
    middle->addWidget(m_frame4);
    for (const StorageArea& area : kStorageAreas)
        middle->addWidget(m_command[area.putButton]);
    middle->addStretch(1);
    middle->addWidget(m_image1, 0, Qt::AlignHCenter);

    // Storage areas side by side: count caption, list, move, take out, sort.
    auto* storages = new QHBoxLayout;
    for (const StorageArea& area : kStorageAreas) {
        const QString number = QString::number(area.number);
        QGroupBox* frame = this->*area.frame = named(new QGroupBox(central), QStringLiteral("Frame") + number);
        QLabel* caption = this->*area.countLabel = plainLabel(QStringLiteral("Label") + number, frame);
        ListBox* list = this->*area.list = named(new ListBox(frame), QStringLiteral("List") + number);
        list->setModel(&storage(area.kind));
        list->setItemDelegate(new StorageLineDelegate(list));
        auto* layout = new QVBoxLayout(frame);
        layout->addWidget(caption);
        layout->addWidget(list, 1);
        for (int n : {area.moveButton, area.takeOutButton, area.sortButton})
            layout->addWidget(m_command[n]);
        storages->addWidget(frame, 1);
    }

    m_frame7 = named(new QGroupBox(central), QStringLiteral("Frame7"));
    auto* detailLayout = new QVBoxLayout(m_frame7);
    m_label1 = named(new morvane::DetailLine(m_frame7), QStringLiteral("Label1"));
    m_label4 = named(new morvane::DetailLine(m_frame7), QStringLiteral("Label4"));
    m_label5 = named(new morvane::DetailLine(m_frame7), QStringLiteral("Label5"));
    m_label6 = named(new morvane::DetailLine(m_frame7), QStringLiteral("Label6"));
    for (QLabel* label : {m_label1, m_label4, m_label5, m_label6}) {
        // As high when empty as with a line of Japanese text (whose fallback
        // font is taller), so that showing a detail never shrinks the lists.
        label->setMinimumHeight(label->fontMetrics().boundingRect(QRect(), 0, QStringLiteral("全")).height());
        detailLayout->addWidget(label);
    }

    auto* right = new QVBoxLayout;
    right->addLayout(storages, 1);
    right->addWidget(m_frame7);

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
