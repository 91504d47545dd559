#include "ui/item_dialog/Form3.h"

#include "model/catalogue/ItemRecord.h"
#include "ui/Message.h"
#include "ui/Twips.h"
#include "ui/item_dialog/ItemRegistrar.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include <limits>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

// Geometry is kept in twips, 1440 to the logical inch, relative to the
// control's container.
struct Place {
    int left;
    int top;
    int width;
    int height;
};

void place(QWidget* widget, const Place& twips)
{
    widget->setGeometry(twipRect(widget, twips.left, twips.top, twips.width, twips.height));
}

constexpr Place kClientArea{0, 0, 7395, 5460};

constexpr std::array<QStringView, 7> kCommandCaptions{
    u"武器", u"防具", u"調度品", u"魔法", u"その他", u"アイテム追加", u"追加せず終了",
};

// The kind buttons stand in Frame2 in the order 武器, 防具, 魔法, 調度品, その他.
constexpr int kKindButtonCount = 5;
constexpr std::array<int, kKindButtonCount> kKindButtonTops{240, 600, 1320, 960, 1680};
constexpr Place kCommand6Place{5040, 4080, 1815, 255};
constexpr Place kCommand7Place{4920, 4320, 1815, 255};

constexpr std::array<QStringView, 8> kFrameCaptions{
    u"種類", u"武器", u"JOB", u"装備可能レベル", u"アイテムコメント", u"種族", u"アイテム名", u"スタック数",
};

// Frame1 stands in the dialog, the others in Frame1.
constexpr std::array<Place, 8> kFramePlaces{{
    {120, 120, 6975, 4815},
    {120, 1080, 2895, 2055},
    {3240, 360, 3495, 2055},
    {3240, 3840, 1575, 735},
    {3240, 3120, 3495, 615},
    {120, 3120, 2895, 1455},
    {120, 360, 2895, 615},
    {3240, 2520, 3495, 615},
}};


constexpr std::array<std::pair<int, int>, 12> kRacePositions{{
    {120, 240}, {120, 600}, {120, 840}, {120, 1080}, {720, 600}, {720, 840},
    {720, 1080}, {1440, 600}, {1440, 840}, {1440, 1080}, {2040, 600}, {2040, 840},
}};

constexpr std::array<std::pair<int, int>, kJobBoxCount> kJobPositions{{
    {120, 720}, {120, 960}, {120, 1200}, {120, 1440}, {120, 1680},
    {1200, 720}, {1200, 960}, {1200, 1200}, {1200, 1440}, {1200, 1680},
    {2280, 720}, {2280, 960}, {2280, 1200}, {2280, 1440}, {2280, 1680},
    {120, 240},
}};

constexpr std::array<QStringView, 3> kStackCaptions{u"1", u"12", u"99"};
constexpr std::array<qint16, 3> kStackSizes{1, 12, 99};
constexpr std::array<int, 3> kStackLefts{240, 1320, 2400};

// Only these digits are offered, so no level is 0 or a multiple of ten.
const QStringList kTensDigits{u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s};
const QStringList kOnesDigits{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s, u"9"_s};

// What a kind button presets. A race state left empty leaves the race
// options as the previous kind button left them.
struct KindPreset {
    int typeRow;
    bool jobsEnabled;
    std::optional<bool> racesEnabled;
    bool levelsEnabled;
};
constexpr std::array<KindPreset, kKindButtonCount> kKindPresets{{
    {0, true, true, true},        // Command1 武器
    {15, true, true, true},       // Command2 防具
    {25, false, false, false},    // Command3 調度品
    {24, true, false, true},      // Command4 魔法
    {26, false, std::nullopt, false}, // Command5 その他
}};

QString arrayName(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

Form3::Form3(ItemRegistrar& registrar, QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , m_registrar(registrar)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Form3"));
    createControls();
    placeControls();
    setTabOrders();
    connectHandlers();
    load();
    m_list1->setFocus();
}

void Form3::createControls()
{
    m_frame[0] = new QGroupBox(this);
    for (int i = 1; i < int(m_frame.size()); ++i)
        m_frame[i] = new QGroupBox(m_frame[0]);
    for (int i = 0; i < int(m_frame.size()); ++i)
        m_frame[i]->setObjectName(QStringLiteral("Frame%1").arg(i + 1));

    QGroupBox* const frame1 = m_frame[0];
    QGroupBox* const frame2 = m_frame[1];
    QGroupBox* const frame3 = m_frame[2];
    QGroupBox* const frame4 = m_frame[3];
    QGroupBox* const frame5 = m_frame[4];
    QGroupBox* const frame6 = m_frame[5];
    QGroupBox* const frame7 = m_frame[6];
    QGroupBox* const frame8 = m_frame[7];

    for (int i = 0; i < kKindButtonCount; ++i)
        m_command[i] = new QPushButton(frame2);
    m_command[5] = new QPushButton(this); // after Frame1, so it is drawn above it
    m_command[6] = new QPushButton(frame1);
    for (int i = 0; i < int(m_command.size()); ++i) {
        m_command[i]->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        m_command[i]->setAutoDefault(false);
        m_command[i]->setDefault(false);
    }

    m_text1 = new QLineEdit(frame7);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text3 = new QLineEdit(frame5);
    m_text3->setObjectName(QStringLiteral("Text3"));
    for (QLineEdit* text : {m_text1, m_text3})
        text->setMaxLength(std::numeric_limits<int>::max());

    m_list1 = new QListWidget(frame2);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* raceGroup = new QButtonGroup(this);
    raceGroup->setObjectName(QStringLiteral("Option1"));
    for (int i = 0; i < int(m_option1.size()); ++i) {
        m_option1[i] = new QRadioButton(frame6);
        m_option1[i]->setObjectName(arrayName("Option1", i));
        raceGroup->addButton(m_option1[i], i);
    }
    auto* stackGroup = new QButtonGroup(this);
    stackGroup->setObjectName(QStringLiteral("Option2"));
    for (int i = 0; i < int(m_option2.size()); ++i) {
        m_option2[i] = new QRadioButton(frame8);
        m_option2[i]->setObjectName(arrayName("Option2", i));
        stackGroup->addButton(m_option2[i], i);
    }
    for (int i = 0; i < int(m_check1.size()); ++i) {
        m_check1[i] = new QCheckBox(frame3);
        m_check1[i]->setObjectName(arrayName("Check1", i));
    }

    m_combo1 = new QComboBox(frame4);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo2 = new QComboBox(frame4);
    m_combo2->setObjectName(QStringLiteral("Combo2"));
}

void Form3::placeControls()
{
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    setFixedSize(twipsToPixels(kClientArea.width, dpiX), twipsToPixels(kClientArea.height, dpiY));

    for (int i = 0; i < int(m_frame.size()); ++i)
        place(m_frame[i], kFramePlaces[i]);
    for (int i = 0; i < kKindButtonCount; ++i)
        place(m_command[i], {120, kKindButtonTops[i], 975, 255});
    place(m_command[5], kCommand6Place);
    place(m_command[6], kCommand7Place);
    place(m_text1, {120, 240, 2655, 270});
    place(m_list1, {1320, 240, 1455, 1680});
    for (int i = 0; i < int(m_option1.size()); ++i)
        place(m_option1[i], {kRacePositions[i].first, kRacePositions[i].second, 735, 255});
    // The race columns stand closer than an option is wide: a narrower gap
    // keeps "Ｈ♂" clear of the circle of "Ｅ♂" beside it.
    m_frame[5]->setStyleSheet(QStringLiteral("QRadioButton { spacing: 2px; }"));
    for (int i = 0; i < int(m_check1.size()); ++i)
        place(m_check1[i], {kJobPositions[i].first, kJobPositions[i].second, 1095, 255});
    for (int i = 0; i < int(m_option2.size()); ++i)
        place(m_option2[i], {kStackLefts[i], 240, 855, 255});
    place(m_text3, {120, 240, 3255, 270});
    place(m_combo1, {120, 240, 615, 300});
    place(m_combo2, {840, 240, 615, 300});
}

void Form3::setTabOrders()
{
    QList<QWidget*> order{m_list1};
    for (int i = int(m_check1.size()) - 1; i >= 0; --i)
        order.append(m_check1[i]);
    order.append(m_text3);
    for (int i = 0; i <= 5; ++i)
        order.append(m_command[i]);
    order.append({m_option1.begin(), m_option1.end()});
    order.append({m_combo1, m_combo2});
    order.append({m_option2.begin(), m_option2.end()});
    order.append({m_text1, m_command[6]});
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form3::connectHandlers()
{
    for (int i = 0; i < kKindButtonCount; ++i)
        connect(m_command[i], &QPushButton::clicked, this, [this, i] { onKindButtonClicked(i); });
    connect(m_command[5], &QPushButton::clicked, this, &Form3::onCommand6Clicked);
    connect(m_command[6], &QPushButton::clicked, this, &QWidget::hide);

    // A tick or choice set by the program acts like the user's click.
    for (int i = 0; i < int(m_option1.size()); ++i) {
        connect(m_option1[i], &QRadioButton::toggled, this, [this, i](bool chosen) {
            if (chosen)
                onOption1Chosen(i);
        });
    }
    for (int i = 0; i < int(m_option2.size()); ++i) {
        connect(m_option2[i], &QRadioButton::toggled, this, [this, i](bool chosen) {
            if (chosen)
                onOption2Chosen(i);
        });
    }
    for (QCheckBox* box : m_check1)
        connect(box, &QCheckBox::toggled, this, &Form3::onCheck1Clicked);
    connect(m_combo1, &QComboBox::currentIndexChanged, this, &Form3::onLevelChanged);
    connect(m_combo2, &QComboBox::currentIndexChanged, this, &Form3::onLevelChanged);
}

void Form3::load()
{
    for (int i = 0; i < int(m_command.size()); ++i)
        m_command[i]->setText(kCommandCaptions[i].toString());
    for (int i = 0; i < int(m_option1.size()); ++i)
        m_option1[i]->setText(kRaceTexts[i].toString());
    for (int i = 0; i < int(m_frame.size()); ++i)
        m_frame[i]->setTitle(kFrameCaptions[i].toString());
    for (QStringView entry : kItemTypes)
        m_list1->addItem(entry.toString());
    for (int i = 0; i < int(m_check1.size()); ++i)
        m_check1[i]->setText(kJobCaptions[i].toString());
    for (int i = 0; i < int(m_option2.size()); ++i)
        m_option2[i]->setText(kStackCaptions[i].toString());
    m_combo1->addItems(kTensDigits);
    m_combo1->setCurrentIndex(0);
    m_combo2->addItems(kOnesDigits);
    m_combo2->setCurrentIndex(0);
    onLevelChanged();
    m_list1->setCurrentRow(0);
    m_option1[0]->setChecked(true);
    m_check1[kAllJobsBox]->setChecked(true);
    m_option2[0]->setChecked(true);
}

void Form3::onKindButtonClicked(int button)
{
    const KindPreset& preset = kKindPresets[button];
    m_list1->setCurrentRow(preset.typeRow);
    for (QCheckBox* box : m_check1)
        box->setEnabled(preset.jobsEnabled);
    if (preset.racesEnabled) {
        for (QRadioButton* option : m_option1)
            option->setEnabled(*preset.racesEnabled);
    }
    m_combo1->setEnabled(preset.levelsEnabled);
    m_combo2->setEnabled(preset.levelsEnabled);
}

void Form3::onOption1Chosen(int index)
{
    m_raceText = m_option1[index]->text();
}

void Form3::onOption2Chosen(int index)
{
    m_stackChoice = kStackSizes[index];
}

void Form3::onCheck1Clicked()
{
    std::array<bool, kJobBoxCount> ticked{};
    for (int i = 0; i < kJobBoxCount; ++i)
        ticked[i] = m_check1[i]->isChecked();
    const bool allJobs = ticked[kAllJobsBox];
    for (int i = 0; i < kAllJobsBox; ++i)
        m_check1[i]->setEnabled(!allJobs);
    m_jobText = jobText(ticked);
}

void Form3::onLevelChanged()
{
    m_equipLevel = equipLevel(m_combo1->currentText(), m_combo2->currentText());
}

void Form3::onCommand6Clicked()
{
    const QString name = m_text1->text();
    const QString comment = m_text3->text();
    const QString refusal = validateItemTexts(name, comment);
    if (!refusal.isEmpty()) {
        showMessage(this, refusal);
        return;
    }
    const QList<QListWidgetItem*> selected = m_list1->selectedItems();
    const ItemChoices choices{
        name,
        selected.isEmpty() ? QString() : selected.first()->text(),
        m_raceText,
        comment,
        m_equipLevel,
        m_jobText,
        m_stackChoice,
    };
    if (m_registrar.registerItem(buildItemRecord(m_registrar.catalogueLineCount(), choices)))
        hide();
}

} // namespace morvane
