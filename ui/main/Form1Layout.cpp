#include "ui/main/Form1.h"

#include "model/Crystals.h"

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
        Command[n] = named(new QPushButton(central), QStringLiteral("Command%1").arg(n));
        Command[n]->setAutoDefault(false);
    }

    // Catalogue area
    Frame1 = named(new QGroupBox(central), QStringLiteral("Frame1"));
    List1 = named(new ListBox(Frame1), QStringLiteral("List1"));
    List1->setModel(&m_catalogueView);
    Text1 = named(new QLineEdit(Frame1), QStringLiteral("Text1"));
    Frame6 = named(new QGroupBox(Frame1), QStringLiteral("Frame6"));
    auto* crystals = new QGridLayout(Frame6);
    for (int k = 0; k < int(kCrystalFilters.size()); ++k) {
        const CrystalFilter& filter = kCrystalFilters[k];
        QPushButton* button = Command[filter.button];
        button->setIcon(QIcon(QStringLiteral(":/crystals/%1.png").arg(filter.element)));
        button->setIconSize(QSize(32, 32));
        button->setFixedSize(40, 40);
        crystals->addWidget(button, k / 4, k % 4);
    }
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(Text1, 1);
    searchRow->addWidget(Command[14]);
    auto* catalogueLayout = new QVBoxLayout(Frame1);
    catalogueLayout->addWidget(List1, 1);
    catalogueLayout->addLayout(searchRow);
    catalogueLayout->addWidget(Command[23]);
    catalogueLayout->addWidget(Frame6, 0, Qt::AlignHCenter);

    // Character area
    Frame5 = named(new QGroupBox(central), QStringLiteral("Frame5"));
    Combo2 = named(new QComboBox(Frame5), QStringLiteral("Combo2"));
    Combo2->setEditable(true);
    Combo2->setInsertPolicy(QComboBox::NoInsert);
    Combo2->setMinimumContentsLength(10);
    auto* characterLayout = new QHBoxLayout(Frame5);
    characterLayout->addWidget(Combo2, 1);
    characterLayout->addWidget(Command[13]);

    // Count selector
    Frame4 = named(new QGroupBox(central), QStringLiteral("Frame4"));
    Combo1 = named(new QComboBox(Frame4), QStringLiteral("Combo1"));
    for (int count = 1; count <= kCountEntries; ++count)
        Combo1->addItem(QString::number(count));
    Combo1->setMaxVisibleItems(12);
    auto* countLayout = new QGridLayout(Frame4);
    countLayout->addWidget(Combo1, 0, 0, 1, 2);
    for (int n = 7; n <= 12; ++n) {
        countLayout->addWidget(Command[n], 1 + (n - 7) / 2, (n - 7) % 2);
    }

    Image1 = named(new QLabel(central), QStringLiteral("Image1"));
    Image1->setPixmap(QIcon(QStringLiteral(":/pictures/picture.png")).pixmap(QSize(70, 100)));
    Image1->setFixedSize(70, 100);

    auto* middle = new QVBoxLayout;
    middle->addWidget(Frame5);
    middle->addWidget(Frame4);
    middle->addWidget(Command[1]);
    middle->addWidget(Command[2]);
    middle->addStretch(1);
    middle->addWidget(Image1, 0, Qt::AlignHCenter);

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
            layout->addWidget(Command[n]);
        storages->addWidget(frame, 1);
    }

    Frame7 = named(new QGroupBox(central), QStringLiteral("Frame7"));
    auto* detailLayout = new QVBoxLayout(Frame7);
    Label1 = named(new morvane::DetailLine(Frame7), QStringLiteral("Label1"));
    Label4 = named(new morvane::DetailLine(Frame7), QStringLiteral("Label4"));
    Label5 = named(new morvane::DetailLine(Frame7), QStringLiteral("Label5"));
    Label6 = named(new morvane::DetailLine(Frame7), QStringLiteral("Label6"));
    for (QLabel* label : {Label1, Label4, Label5, Label6}) {
        // As high when empty as with a line of Japanese text (whose fallback
        // font is taller), so that showing a detail never shrinks the lists.
        label->setMinimumHeight(label->fontMetrics().boundingRect(QRect(), 0, QStringLiteral("全")).height());
        detailLayout->addWidget(label);
    }

    auto* right = new QVBoxLayout;
    right->addLayout(storages, 1);
    right->addWidget(Frame7);

    auto* columns = new QHBoxLayout;
    columns->addWidget(Frame1, 4);
    columns->addLayout(middle, 3);
    columns->addLayout(right, 10);

    Label7 = plainLabel(QStringLiteral("Label7"), central);
    Label8 = plainLabel(QStringLiteral("Label8"), central);
    auto* footer = new QHBoxLayout;
    footer->addWidget(Label7);
    footer->addWidget(Label8);
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
}
