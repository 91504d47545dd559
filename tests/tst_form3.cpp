#include "MessageCatcher.h"

#include "ui/item_dialog/Form3.h"
#include "ui/item_dialog/ItemRegistrar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace morvane;

namespace {

class FakeItemRegistrar : public ItemRegistrar {
public:
    int catalogueLineCount() const override { return lineCount; }
    bool registerItem(const ItemRecord& record) override
    {
        records.append(record);
        return accept;
    }

    int lineCount = 0;
    bool accept = true;
    QList<ItemRecord> records;
};

QString arrayName(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

const QString kLoadDetail = QStringLiteral("[格闘]全種<br><br>Lv1～ All Jobs");

} // namespace

class TestForm3 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void captions_data();
    void captions();
    void choiceLists();
    void loadState();
    void geometry_data();
    void geometry();
    void jobRuleKeepsSingleJobTicks();
    void jobBoxClickAfterWeaponButton();
    void kindButtons_data();
    void kindButtons();
    void kindButtonsKeepValues();
    void typeEntryChosenDirectly();
    void raceAndStackChoices();
    void levelsNeverMultipleOfTen();
    void command6RegistersAndHides();
    void command6StaysWhenRegistrarRefuses();
    void command6RefusesBadText_data();
    void command6RefusesBadText();
    void command7HidesAndKeepsEverything();
    void tabOrder_data();
    void tabOrder();
    void enterAndEscapePressNothing_data();
    void enterAndEscapePressNothing();

private:
    template <typename T = QWidget>
    T* control(const QString& name) const
    {
        T* widget = m_dialog->findChild<T*>(name);
        if (!widget)
            qFatal("Form3 has no control %s", qPrintable(name));
        return widget;
    }
    QCheckBox* check1(int index) const { return control<QCheckBox>(arrayName("Check1", index)); }
    QRadioButton* option1(int index) const { return control<QRadioButton>(arrayName("Option1", index)); }
    QRadioButton* option2(int index) const { return control<QRadioButton>(arrayName("Option2", index)); }

    bool showDialog();
    // Clicks where the user would: on the box or circle at the left.
    static void clickIndicator(QAbstractButton* button);
    // Registers with Command6 and shows the dialog again; the record the
    // registrar received, or an empty one when it received none.
    ItemRecord registerNow();
    QStringList snapshot() const;

    std::unique_ptr<QWidget> m_mainWindow;
    std::unique_ptr<FakeItemRegistrar> m_registrar;
    Form3* m_dialog = nullptr;
};

void TestForm3::init()
{
    m_mainWindow = std::make_unique<QWidget>();
    m_mainWindow->show();
    m_registrar = std::make_unique<FakeItemRegistrar>();
    m_dialog = new Form3(*m_registrar, m_mainWindow.get());
    QVERIFY(showDialog());
}

void TestForm3::cleanup()
{
    m_mainWindow.reset(); // takes the dialog with it
    m_registrar.reset();
}

bool TestForm3::showDialog()
{
    // As in use: the main window's menu shows the dialog.
    m_mainWindow->activateWindow();
    if (!QTest::qWaitFor([this] { return QApplication::activeWindow() == m_mainWindow.get(); }))
        return false;
    m_dialog->show();
    m_dialog->activateWindow();
    return QTest::qWaitFor([this] { return QApplication::activeWindow() == m_dialog; });
}

void TestForm3::clickIndicator(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
}

ItemRecord TestForm3::registerNow()
{
    const qsizetype before = m_registrar->records.size();
    QTest::mouseClick(control<QPushButton>("Command6"), Qt::LeftButton);
    if (!showDialog())
        qWarning("Form3 could not be shown again");
    return m_registrar->records.size() == before + 1 ? m_registrar->records.last() : ItemRecord{};
}

// Every control's value and enabled state, by objectName.
QStringList TestForm3::snapshot() const
{
    QStringList state;
    const QList<QWidget*> widgets = m_dialog->findChildren<QWidget*>();
    for (const QWidget* widget : widgets) {
        QString value;
        if (auto* button = qobject_cast<const QAbstractButton*>(widget))
            value = QString::number(button->isChecked());
        else if (auto* text = qobject_cast<const QLineEdit*>(widget))
            value = text->text();
        else if (auto* list = qobject_cast<const QListWidget*>(widget))
            value = QString::number(list->currentRow());
        else if (auto* combo = qobject_cast<const QComboBox*>(widget))
            value = combo->currentText();
        else
            continue;
        state.append(QStringLiteral("%1 %2 %3").arg(widget->objectName()).arg(widget->isEnabled()).arg(value));
    }
    return state;
}

void TestForm3::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    const QStringList commands{"武器", "防具", "調度品", "魔法", "その他", "アイテム追加", "追加せず終了"};
    for (int i = 0; i < commands.size(); ++i)
        QTest::addRow("Command%d", i + 1) << QStringLiteral("Command%1").arg(i + 1) << commands[i];
    const QStringList frames{"種類", "武器", "JOB", "装備可能レベル", "アイテムコメント", "種族", "アイテム名", "スタック数"};
    for (int i = 0; i < frames.size(); ++i)
        QTest::addRow("Frame%d", i + 1) << QStringLiteral("Frame%1").arg(i + 1) << frames[i];
    const QStringList jobs{"戦士", "モンク", "白魔道士", "黒魔道士", "赤魔道士", "シーフ", "ナイト", "暗黒騎士",
                           "獣使い", "吟遊詩人", "狩人", "忍者", "竜騎士", "召還士", "侍", "All Jobs"};
    for (int i = 0; i < jobs.size(); ++i)
        QTest::addRow("Check1(%d)", i) << arrayName("Check1", i) << jobs[i];
    const QStringList stacks{"1", "12", "99"};
    for (int i = 0; i < stacks.size(); ++i)
        QTest::addRow("Option2(%d)", i) << arrayName("Option2", i) << stacks[i];
}

void TestForm3::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);

    QWidget* widget = control(name);
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        QCOMPARE(frame->title(), caption);
    else
        QCOMPARE(qobject_cast<QAbstractButton*>(widget)->text(), caption);
}

void TestForm3::choiceLists()
{
    QStringList types;
    auto* list1 = control<QListWidget>("List1");
    for (int i = 0; i < list1->count(); ++i)
        types.append(list1->item(i)->text());
    QCOMPARE(types, (QStringList{"格闘", "短剣", "片手剣", "両手剣", "片手斧", "両手斧", "両手鎌",
                                 "両手槍", "片手刀", "両手刀", "片手棍", "両手棍", "レンジ武器等", "楽器",
                                 "矢・弾その他", "盾", "頭", "首", "胴", "両手", "腰",
                                 "両脚", "両足", "背", "魔法", "調度品", "その他"}));
    QCOMPARE(list1->selectionMode(), QAbstractItemView::SingleSelection);

    for (const auto& [name, digits] :
         {std::pair{"Combo1", QStringList{"0", "1", "2", "3", "4", "5", "6", "7"}},
          std::pair{"Combo2", QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9"}}}) {
        auto* combo = control<QComboBox>(QLatin1String(name));
        QVERIFY(!combo->isEditable());
        QStringList entries;
        for (int i = 0; i < combo->count(); ++i)
            entries.append(combo->itemText(i));
        QCOMPARE(entries, digits);
    }
}

void TestForm3::loadState()
{
    QVERIFY(m_dialog->isWindow());
    QCOMPARE(m_dialog->objectName(), QStringLiteral("Form3"));
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Form3"));
    QCOMPARE(QApplication::focusWidget(), control("List1"));

    QCOMPARE(control<QLineEdit>("Text1")->text(), QString());
    QCOMPARE(control<QLineEdit>("Text3")->text(), QString());
    QCOMPARE(control<QListWidget>("List1")->currentRow(), 0);
    QCOMPARE(control<QListWidget>("List1")->selectedItems().size(), 1);
    QCOMPARE(control<QComboBox>("Combo1")->currentText(), QStringLiteral("0"));
    QCOMPARE(control<QComboBox>("Combo2")->currentText(), QStringLiteral("1"));
    QVERIFY(control<QComboBox>("Combo1")->isEnabled());
    QVERIFY(control<QComboBox>("Combo2")->isEnabled());
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(option1(i)->isChecked(), i == 0);
        QVERIFY(option1(i)->isEnabled());
    }
    for (int i = 0; i < 15; ++i) {
        QVERIFY(!check1(i)->isChecked());
        QVERIFY(!check1(i)->isEnabled());
    }
    QVERIFY(check1(15)->isChecked());
    QVERIFY(check1(15)->isEnabled());
    QCOMPARE(option2(0)->isChecked(), true);
    for (int i = 1; i <= 7; ++i) {
        auto* command = control<QPushButton>(QStringLiteral("Command%1").arg(i));
        QVERIFY(command->isEnabled());
        QVERIFY(!command->isDefault());
        QVERIFY(!command->autoDefault());
    }

    m_registrar->lineCount = 7;
    QCOMPARE(registerNow().line(), QStringLiteral("8\t\t") + kLoadDetail + QStringLiteral("\t0\t0\t1"));
}

void TestForm3::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("twips");

    QTest::newRow("Command6") << "Command6" << "Form3" << QRect(5040, 4080, 1815, 255);
    QTest::newRow("Frame1") << "Frame1" << "Form3" << QRect(120, 120, 6975, 4815);
    QTest::newRow("Command7") << "Command7" << "Frame1" << QRect(4920, 4320, 1815, 255);
    QTest::newRow("Command4 above Command3") << "Command4" << "Frame2" << QRect(120, 960, 975, 255);
    QTest::newRow("Command3") << "Command3" << "Frame2" << QRect(120, 1320, 975, 255);
    QTest::newRow("List1") << "List1" << "Frame2" << QRect(1320, 240, 1455, 1680);
    QTest::newRow("Text3") << "Text3" << "Frame5" << QRect(120, 240, 3255, 270);
    QTest::newRow("Option1(11)") << "Option1(11)" << "Frame6" << QRect(2040, 840, 735, 255);
    QTest::newRow("Check1(15)") << "Check1(15)" << "Frame3" << QRect(120, 240, 1095, 255);
    QTest::newRow("Option2(2)") << "Option2(2)" << "Frame8" << QRect(2400, 240, 855, 255);
    QTest::newRow("Combo2") << "Combo2" << "Frame4" << QRect(840, 240, 615, 300);
}

void TestForm3::geometry()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, twips);

    const int dpiX = m_dialog->logicalDpiX();
    const int dpiY = m_dialog->logicalDpiY();
    const auto px = [](int value, int dpi) { return qRound(value * dpi / 1440.0); };
    QCOMPARE(m_dialog->size(), QSize(px(7395, dpiX), px(5460, dpiY)));

    QWidget* widget = control(name);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), QRect(px(twips.x(), dpiX), px(twips.y(), dpiY),
                                       px(twips.width(), dpiX), px(twips.height(), dpiY)));
    // Nothing covers it.
    const QPoint centre = widget->mapTo(m_dialog, widget->rect().center());
    QWidget* shown = m_dialog->childAt(centre);
    QVERIFY(shown == widget || widget->isAncestorOf(shown));
}

void TestForm3::jobRuleKeepsSingleJobTicks()
{
    clickIndicator(check1(15));
    for (int i = 0; i < 15; ++i)
        QVERIFY(check1(i)->isEnabled());
    QVERIFY(registerNow().entry.detail.endsWith(QStringLiteral("Lv1～ ")));

    for (int i : {14, 0, 6})
        clickIndicator(check1(i));
    QVERIFY(registerNow().entry.detail.endsWith(QStringLiteral("～ 戦ナ侍")));

    clickIndicator(check1(15));
    for (int i = 0; i < 15; ++i) {
        QVERIFY(!check1(i)->isEnabled());
        QCOMPARE(check1(i)->isChecked(), i == 0 || i == 6 || i == 14);
    }
    QVERIFY(registerNow().entry.detail.endsWith(QStringLiteral("～ All Jobs")));
    // A disabled box cannot be clicked.
    clickIndicator(check1(1));
    QVERIFY(!check1(1)->isChecked());

    clickIndicator(check1(15));
    QVERIFY(registerNow().entry.detail.endsWith(QStringLiteral("～ 戦ナ侍")));
    clickIndicator(check1(6));
    QVERIFY(registerNow().entry.detail.endsWith(QStringLiteral("～ 戦侍")));
}

void TestForm3::jobBoxClickAfterWeaponButton()
{
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    for (int i = 0; i < 16; ++i)
        QVERIFY(check1(i)->isEnabled());

    clickIndicator(check1(3));
    QVERIFY(check1(3)->isChecked());
    for (int i = 0; i < 15; ++i)
        QVERIFY(!check1(i)->isEnabled());
    QVERIFY(registerNow().entry.detail.endsWith(QStringLiteral("～ All Jobs")));

    clickIndicator(check1(15));
    QVERIFY(registerNow().entry.detail.endsWith(QStringLiteral("～ 黒")));
}

void TestForm3::kindButtons_data()
{
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("typeRow");
    QTest::addColumn<bool>("jobs");
    QTest::addColumn<bool>("races");
    QTest::addColumn<bool>("levels");
    QTest::addColumn<QString>("detail");

    const auto detail = [](const char* type) {
        return QStringLiteral("[%1]全種<br><br>Lv1～ All Jobs").arg(QString::fromUtf8(type));
    };
    QTest::newRow("武器") << QStringList{"Command1"} << 0 << true << true << true << detail("格闘");
    QTest::newRow("防具") << QStringList{"Command2"} << 15 << true << true << true << detail("盾");
    QTest::newRow("調度品") << QStringList{"Command3"} << 25 << false << false << false << detail("調度品");
    QTest::newRow("魔法") << QStringList{"Command4"} << 24 << true << false << true << detail("魔法");
    QTest::newRow("その他 after load") << QStringList{"Command5"} << 26 << false << true << false << detail("その他");
    QTest::newRow("その他 after 調度品")
        << QStringList{"Command3", "Command5"} << 26 << false << false << false << detail("その他");
    QTest::newRow("その他 after 魔法")
        << QStringList{"Command4", "Command5"} << 26 << false << false << false << detail("その他");
    QTest::newRow("その他 after 武器")
        << QStringList{"Command3", "Command1", "Command5"} << 26 << false << true << false << detail("その他");
    QTest::newRow("防具 after 調度品")
        << QStringList{"Command3", "Command2"} << 15 << true << true << true << detail("盾");
}

void TestForm3::kindButtons()
{
    QFETCH(QStringList, buttons);
    QFETCH(int, typeRow);
    QFETCH(bool, jobs);
    QFETCH(bool, races);
    QFETCH(bool, levels);
    QFETCH(QString, detail);

    for (const QString& button : buttons)
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);

    QCOMPARE(control<QListWidget>("List1")->currentRow(), typeRow);
    for (int i = 0; i < 16; ++i)
        QCOMPARE(check1(i)->isEnabled(), jobs);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(option1(i)->isEnabled(), races);
    QCOMPARE(control("Combo1")->isEnabled(), levels);
    QCOMPARE(control("Combo2")->isEnabled(), levels);
    for (const char* always : {"Text1", "Text3", "List1", "Option2(0)", "Option2(1)", "Option2(2)",
                               "Command1", "Command2", "Command3", "Command4", "Command5", "Command6",
                               "Command7"})
        QVERIFY2(control(QLatin1String(always))->isEnabled(), always);
    QCOMPARE(registerNow().entry.detail, detail);
}

void TestForm3::kindButtonsKeepValues()
{
    clickIndicator(option1(5));
    control<QComboBox>("Combo1")->setCurrentIndex(7);
    control<QComboBox>("Combo2")->setCurrentIndex(4);
    clickIndicator(check1(15));
    clickIndicator(check1(0));
    clickIndicator(check1(9));
    clickIndicator(option2(2));
    const QString kept = QStringLiteral("Ｅ♂<br><br>Lv75～ 戦吟");

    for (const auto& [button, type] : {std::pair{"Command3", "[調度品]"}, std::pair{"Command5", "[その他]"},
                                       std::pair{"Command4", "[魔法]"}}) {
        QTest::mouseClick(control<QPushButton>(QLatin1String(button)), Qt::LeftButton);
        QVERIFY(option1(5)->isChecked());
        QCOMPARE(control<QComboBox>("Combo1")->currentText(), QStringLiteral("7"));
        QCOMPARE(control<QComboBox>("Combo2")->currentText(), QStringLiteral("5"));
        QVERIFY(check1(0)->isChecked());
        QVERIFY(check1(9)->isChecked());
        QVERIFY(!check1(15)->isChecked());
        const ItemRecord record = registerNow();
        QCOMPARE(record.entry.detail, QString::fromUtf8(type) + kept);
        QCOMPARE(record.entry.stackSize, qint16(99));
    }
}

void TestForm3::typeEntryChosenDirectly()
{
    QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
    auto* list1 = control<QListWidget>("List1");
    QListWidgetItem* body = list1->item(18);
    list1->scrollToItem(body);
    QTest::mouseClick(list1->viewport(), Qt::LeftButton, {}, list1->visualItemRect(body).center());

    QCOMPARE(list1->currentRow(), 18);
    QVERIFY(!check1(15)->isEnabled());
    QVERIFY(!option1(0)->isEnabled());
    QVERIFY(!control("Combo1")->isEnabled());
    QCOMPARE(registerNow().entry.detail, QStringLiteral("[胴]全種<br><br>Lv1～ All Jobs"));
}

void TestForm3::raceAndStackChoices()
{
    const QStringList races{"全種", "Ｈ", "Ｈ♂", "Ｈ♀", "Ｅ", "Ｅ♂", "Ｅ♀", "Ｔ", "Ｔ♂", "Ｔ♀", "Ｇ", "Ｍ"};
    for (int i = races.size() - 1; i >= 0; --i) {
        clickIndicator(option1(i));
        QVERIFY(option1(i)->isChecked());
        QCOMPARE(registerNow().entry.detail.section(u']', 1).section(QStringLiteral("<br>"), 0, 0), races[i]);
    }
    for (const auto& [index, stack] : {std::pair{2, 99}, std::pair{1, 12}, std::pair{0, 1}}) {
        clickIndicator(option2(index));
        QCOMPARE(registerNow().entry.stackSize, qint16(stack));
    }
}

void TestForm3::levelsNeverMultipleOfTen()
{
    QSet<int> expected;
    for (int level = 1; level <= 79; ++level) {
        if (level % 10 != 0)
            expected.insert(level);
    }

    auto* tens = control<QComboBox>("Combo1");
    auto* ones = control<QComboBox>("Combo2");
    QSet<int> formed;
    for (int t = 0; t < tens->count(); ++t) {
        tens->setCurrentIndex(t);
        for (int o = 0; o < ones->count(); ++o) {
            ones->setCurrentIndex(o);
            const QString detail = registerNow().entry.detail;
            const qsizetype at = detail.indexOf(QStringLiteral("<br>Lv")) + 6;
            formed.insert(detail.mid(at, detail.indexOf(u'～') - at).toInt());
        }
    }
    QCOMPARE(formed, expected);
}

void TestForm3::command6RegistersAndHides()
{
    m_registrar->lineCount = 1204;
    control<QLineEdit>("Text1")->setText(QStringLiteral("ブロンズソード"));
    control<QLineEdit>("Text3")->setText(QStringLiteral("両手で持つ"));
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    auto* list1 = control<QListWidget>("List1");
    QTest::mouseClick(list1->viewport(), Qt::LeftButton, {}, list1->visualItemRect(list1->item(2)).center());
    control<QComboBox>("Combo1")->setCurrentIndex(7);
    control<QComboBox>("Combo2")->setCurrentIndex(4);
    clickIndicator(check1(15));
    for (int i : {0, 4, 5, 6})
        clickIndicator(check1(i));

    MessageCatcher catcher;
    QTest::mouseClick(control<QPushButton>("Command6"), Qt::LeftButton);
    QVERIFY(m_dialog->isHidden());
    QCOMPARE(catcher.texts(), QStringList());
    QCOMPARE(m_registrar->records.size(), 1);
    QCOMPARE(m_registrar->records[0].line(),
             QStringLiteral("1205\tブロンズソード\t[片手剣]全種<br>両手で持つ<br>Lv75～ 戦赤シナ\t0\t0\t1"));

    // The number follows the list at each click.
    m_registrar->lineCount = 1205;
    QVERIFY(showDialog());
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("ブロンズソード"));
    QCOMPARE(registerNow().entry.number, qint16(1206));
}

void TestForm3::command6StaysWhenRegistrarRefuses()
{
    m_registrar->accept = false;
    control<QLineEdit>("Text1")->setText(QStringLiteral("剣"));
    QTest::mouseClick(control<QPushButton>("Command6"), Qt::LeftButton);

    QCOMPARE(m_registrar->records.size(), 1);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("剣"));
}

void TestForm3::command6RefusesBadText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("message");

    QTest::newRow("tab in name") << "a\tb" << "" << QStringLiteral("アイテム名にタブや改行は使えません");
    QTest::newRow("é in comment")
        << "" << QStringLiteral("épée") << QStringLiteral("アイテムコメントに使えない文字が含まれています");
}

void TestForm3::command6RefusesBadText()
{
    QFETCH(QString, name);
    QFETCH(QString, comment);
    QFETCH(QString, message);

    control<QLineEdit>("Text1")->setText(name);
    control<QLineEdit>("Text3")->setText(comment);
    MessageCatcher catcher;
    QTest::mouseClick(control<QPushButton>("Command6"), Qt::LeftButton);

    QCOMPARE(catcher.texts(), QStringList{message});
    QCOMPARE(m_registrar->records.size(), 0);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(control<QLineEdit>("Text1")->text(), name);
    QCOMPARE(control<QLineEdit>("Text3")->text(), comment);
}

void TestForm3::command7HidesAndKeepsEverything()
{
    control<QLineEdit>("Text1")->setText(QStringLiteral("鉄兜"));
    control<QLineEdit>("Text3")->setText(QStringLiteral("硬い"));
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    clickIndicator(option1(3));
    QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
    clickIndicator(option2(1));
    const QStringList before = snapshot();

    QTest::mouseClick(control<QPushButton>("Command7"), Qt::LeftButton);
    QVERIFY(m_dialog->isHidden());
    QCOMPARE(m_registrar->records.size(), 0);

    QVERIFY(showDialog());
    QCOMPARE(snapshot(), before);
    QCOMPARE(registerNow().line(), QStringLiteral("1\t鉄兜\t[調度品]Ｈ♀<br>硬い<br>Lv1～ All Jobs\t0\t0\t12"));
}

void TestForm3::tabOrder_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("order");

    const QStringList middle{"Text3", "Command1", "Command2", "Command3", "Command4", "Command5", "Command6"};
    const QStringList end{"Combo1", "Combo2", "Option2(0)", "Text1", "Command7", "List1"};
    QTest::newRow("load") << QStringList{}
                          << QStringList{"Check1(15)"} + middle + QStringList{"Option1(0)"} + end;

    // Unticked single jobs come back into the order; a group is entered at
    // its chosen option; disabled controls are passed over.
    QStringList jobs{"Check1(15)"};
    for (int i = 14; i >= 0; --i)
        jobs.append(arrayName("Check1", i));
    QStringList stackEnd = end;
    stackEnd.replace(2, "Option2(2)");
    QTest::newRow("single jobs, Ｔ♀ and 99")
        << QStringList{"Check1(15)", "Option1(9)", "Option2(2)"}
        << jobs + middle + QStringList{"Option1(9)"} + stackEnd;
    QTest::newRow("調度品") << QStringList{"Command3"} << middle + QStringList{"Option2(0)", "Text1", "Command7", "List1"};
}

void TestForm3::tabOrder()
{
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, order);

    for (const QString& name : clicks) {
        auto* button = control<QAbstractButton>(name);
        if (qobject_cast<QPushButton*>(button))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            clickIndicator(button);
    }
    control("List1")->setFocus();
    QStringList visited;
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, order);
}

void TestForm3::enterAndEscapePressNothing_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<Qt::Key>("key");

    for (const char* focus : {"Command6", "Command7", "Command3", "Text1", "Text3", "Check1(15)"}) {
        QTest::addRow("%s Return", focus) << QString::fromLatin1(focus) << Qt::Key_Return;
        QTest::addRow("%s Enter", focus) << QString::fromLatin1(focus) << Qt::Key_Enter;
        QTest::addRow("%s Escape", focus) << QString::fromLatin1(focus) << Qt::Key_Escape;
    }
}

void TestForm3::enterAndEscapePressNothing()
{
    QFETCH(QString, focus);
    QFETCH(Qt::Key, key);

    QWidget* target = control(focus);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);
    const QStringList before = snapshot();
    MessageCatcher catcher;
    QTest::keyClick(target, key);
    QTest::qWait(50);

    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_registrar->records.size(), 0);
    QCOMPARE(catcher.texts(), QStringList());
    QCOMPARE(snapshot(), before);
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
