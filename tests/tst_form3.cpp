#include "DialogHost.h"
#include "MessageCatcher.h"

#include "ui/item_dialog/Form3.h"
#include "ui/item_dialog/ItemRegistrar.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace morvane;

namespace {

constexpr bool (QAbstractButton::*kEnabled)() const = &QWidget::isEnabled;
constexpr bool (QAbstractButton::*kTicked)() const = &QAbstractButton::isChecked;

struct FakeItemRegistrar : ItemRegistrar {
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

} // namespace

class TestForm3 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { delete m_mainWindow; } // takes the dialog with it
    void loadState();
    void layoutSpotChecks();
    void jobRule();
    void kindButtons_data();
    void kindButtons();
    void levelsNeverMultipleOfTen();
    void command6_data();
    void command6();
    void command7KeepsEverything();
    void tabOrder_data();
    void tabOrder();
    void enterAndEscapePressNothing();

private:
    template <typename T = QWidget>
    T* control(const QString& name) const { return m_dialog->findChild<T*>(name); }
    // One digit per member of a control array, 1 where the state holds.
    QString row(const char* array, bool (QAbstractButton::*state)() const) const;
    void click(const QString& name) const;
    bool showDialog();
    // Registers with Command6 and shows the dialog again; the detail text of
    // the record the registrar received, or "none".
    QString registerNow();
    QStringList snapshot() const;

    FakeItemRegistrar m_registrar;
    QWidget* m_mainWindow = nullptr;
    Form3* m_dialog = nullptr;
};

void TestForm3::init()
{
    m_registrar.records.clear();
    m_registrar.lineCount = 0;
    m_registrar.accept = true;
    m_mainWindow = new QWidget;
    m_mainWindow->show();
    m_dialog = new Form3(m_registrar, m_mainWindow);
    QVERIFY(showDialog());
}

bool TestForm3::showDialog()
{
    return showOverMainWindow(m_mainWindow, m_dialog);
}

// Clicks where the user would: a button in its middle, a box or circle at its left.
void TestForm3::click(const QString& name) const
{
    auto* button = control<QAbstractButton>(name);
    const bool push = qobject_cast<QPushButton*>(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, push ? button->rect().center() : QPoint(5, button->height() / 2));
}

QString TestForm3::registerNow()
{
    const qsizetype before = m_registrar.records.size();
    click("Command6");
    if (!showDialog())
        qWarning("Form3 could not be shown again");
    return m_registrar.records.size() == before + 1 ? m_registrar.records.last().entry.detail : "none";
}

QString TestForm3::row(const char* array, bool (QAbstractButton::*state)() const) const
{
    QString digits;
    for (int i = 0; auto* box = control<QAbstractButton>(QStringLiteral("%1(%2)").arg(array).arg(i)); ++i)
        digits += (box->*state)() ? u'1' : u'0';
    return digits;
}

// Every named control's enabled state and value.
QStringList TestForm3::snapshot() const
{
    QStringList state;
    for (const QWidget* widget : m_dialog->findChildren<QWidget*>(QRegularExpression(QStringLiteral(".")))) {
        QStringList values{widget->objectName()};
        for (const char* property : {"enabled", "checked", "text", "currentRow", "currentText"})
            values.append(widget->property(property).toString());
        state.append(values.join(u'|'));
    }
    return state;
}

void TestForm3::loadState()
{
    QCOMPARE(QApplication::focusWidget(), control("List1"));
    QCOMPARE(row("Check1", kTicked), "0000000000000001");
    QCOMPARE(row("Check1", kEnabled), "0000000000000001");
    QCOMPARE(row("Option1", kEnabled), "111111111111");
    QVERIFY(control("Combo1")->isEnabled() && control("Combo2")->isEnabled());

    m_registrar.lineCount = 7;
    registerNow();
    QCOMPARE(m_registrar.records.last().line(), QStringLiteral("8\t\t[格闘]全種<br><br>Lv1～ All Jobs\t0\t0\t1"));
}

void TestForm3::layoutSpotChecks()
{
    // The kind buttons' order on screen is not the order of their names.
    QMap<int, QString> kindsByTop;
    for (int i = 1; i <= 5; ++i) {
        const auto* kind = control<QPushButton>(QStringLiteral("Command%1").arg(i));
        kindsByTop.insert(kind->y(), kind->text());
    }
    QCOMPARE(kindsByTop.values(), (QStringList{"武器", "防具", "魔法", "調度品", "その他"}));

    // Command6 belongs to the dialog yet stands over Frame1, unhidden.
    auto* command6 = control("Command6");
    QCOMPARE(command6->parentWidget(), m_dialog);
    QCOMPARE(m_dialog->childAt(command6->geometry().center()), command6);
}

void TestForm3::jobRule()
{
    // After a kind button every job box is enabled until a job box is clicked.
    click("Command1");
    QCOMPARE(row("Check1", kEnabled), "1111111111111111");
    click("Check1(3)");
    QCOMPARE(row("Check1", kEnabled), "0000000000000001");
    QVERIFY(registerNow().endsWith(QStringLiteral("～ All Jobs")));

    click("Check1(15)");
    QCOMPARE(row("Check1", kEnabled), "1111111111111111");
    QVERIFY(registerNow().endsWith(QStringLiteral("～ 黒")));
    for (const char* box : {"Check1(3)", "Check1(14)", "Check1(0)", "Check1(6)"})
        click(box);
    QVERIFY(registerNow().endsWith(QStringLiteral("～ 戦ナ侍")));

    // Ticks survive All Jobs and count again once it is unticked.
    click("Check1(15)");
    click("Check1(1)"); // disabled: nothing happens
    QCOMPARE(row("Check1", kTicked), "1000001000000011");
    QCOMPARE(row("Check1", kEnabled), "0000000000000001");
    QVERIFY(registerNow().endsWith(QStringLiteral("～ All Jobs")));
    click("Check1(15)");
    QVERIFY(registerNow().endsWith(QStringLiteral("～ 戦ナ侍")));
}

void TestForm3::kindButtons_data()
{
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("jobs");
    QTest::addColumn<bool>("races");
    QTest::addColumn<bool>("levels");

    QTest::newRow("武器 after 調度品") << QStringList{"Command3", "Command1"} << "格闘" << true << true << true;
    QTest::newRow("防具 after 調度品") << QStringList{"Command3", "Command2"} << "盾" << true << true << true;
    QTest::newRow("調度品") << QStringList{"Command3"} << "調度品" << false << false << false;
    QTest::newRow("魔法") << QStringList{"Command4"} << "魔法" << true << false << true;
    QTest::newRow("その他 after load") << QStringList{"Command5"} << "その他" << false << true << false;
    QTest::newRow("その他 after 魔法") << QStringList{"Command4", "Command5"} << "その他" << false << false << false;
    QTest::newRow("その他 after 調度品, 武器")
        << QStringList{"Command3", "Command1", "Command5"} << "その他" << false << true << false;
}

void TestForm3::kindButtons()
{
    QFETCH(QStringList, buttons);
    QFETCH(QString, type);
    QFETCH(bool, jobs);
    QFETCH(bool, races);
    QFETCH(bool, levels);

    for (const char* choice : {"Option1(5)", "Check1(15)", "Check1(0)", "Check1(9)", "Option2(2)"})
        click(choice);
    control<QComboBox>("Combo1")->setCurrentIndex(7);
    control<QComboBox>("Combo2")->setCurrentIndex(4);
    for (const QString& button : buttons)
        click(button);

    QCOMPARE(row("Check1", kEnabled), QString(16, jobs ? u'1' : u'0'));
    QCOMPARE(row("Option1", kEnabled), QString(12, races ? u'1' : u'0'));
    QCOMPARE(control("Combo1")->isEnabled(), levels);
    QCOMPARE(control("Combo2")->isEnabled(), levels);
    for (const char* always : {"Text1", "Text3", "List1", "Option2(0)", "Command6", "Command7"})
        QVERIFY2(control(always)->isEnabled(), always);
    // Enabled or not, every value stays as it was and reaches the record.
    QCOMPARE(row("Option1", kTicked), "000001000000");
    QCOMPARE(row("Check1", kTicked), "1000000001000000");
    QCOMPARE(control<QComboBox>("Combo1")->currentText() + control<QComboBox>("Combo2")->currentText(), "75");
    QCOMPARE(registerNow(), QStringLiteral("[%1]Ｅ♂<br><br>Lv75～ 戦吟").arg(type));
    QCOMPARE(m_registrar.records.last().entry.stackSize, qint16(99));
}

void TestForm3::levelsNeverMultipleOfTen()
{
    auto* tens = control<QComboBox>("Combo1");
    auto* ones = control<QComboBox>("Combo2");
    QVERIFY(!tens->isEditable() && !ones->isEditable());
    QStringList formed;
    for (int t = 0; t < tens->count(); ++t) {
        for (int o = 0; o < ones->count(); ++o) {
            tens->setCurrentIndex(t);
            ones->setCurrentIndex(o);
            formed.append(registerNow().section(QStringLiteral("<br>Lv"), 1).section(u'～', 0, 0));
        }
    }
    QStringList expected;
    for (int level = 1; level <= 79; ++level) {
        if (level % 10 != 0)
            expected.append(QString::number(level));
    }
    QCOMPARE(formed, expected);
}

void TestForm3::command6_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<bool>("registrarAccepts");
    QTest::addColumn<QString>("message"); // empty when the record reaches the registrar

    QTest::newRow("registered") << "剣" << "両手で持つ" << true << "";
    QTest::newRow("registrar refuses") << "剣" << "" << false << "";
    QTest::newRow("tab in name") << "a\tb" << "" << true << "アイテム名にタブや改行は使えません";
    QTest::newRow("é in comment") << "" << "épée" << true << "アイテムコメントに使えない文字が含まれています";
}

void TestForm3::command6()
{
    QFETCH(QString, name);
    QFETCH(QString, comment);
    QFETCH(bool, registrarAccepts);
    QFETCH(QString, message);

    m_registrar.accept = registrarAccepts;
    control<QLineEdit>("Text1")->setText(name);
    control<QLineEdit>("Text3")->setText(comment);
    MessageCatcher catcher;
    click("Command6");

    QCOMPARE(catcher.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(m_registrar.records.size(), message.isEmpty() ? 1 : 0);
    QCOMPARE(m_dialog->isHidden(), message.isEmpty() && registrarAccepts);
    QVERIFY(showDialog());
    QCOMPARE(control<QLineEdit>("Text1")->text(), name);
    QCOMPARE(control<QLineEdit>("Text3")->text(), comment);
}

void TestForm3::command7KeepsEverything()
{
    control<QLineEdit>("Text1")->setText(QStringLiteral("鉄兜"));
    control<QLineEdit>("Text3")->setText(QStringLiteral("硬い"));
    for (const char* choice : {"Command2", "Option1(3)", "Command3", "Option2(1)"})
        click(choice);
    // A type chosen by hand is taken as it is; enabled states stay.
    auto* list1 = control<QListWidget>("List1");
    list1->scrollToItem(list1->item(18));
    QTest::mouseClick(list1->viewport(), Qt::LeftButton, {}, list1->visualItemRect(list1->item(18)).center());
    QCOMPARE(row("Option1", kEnabled), "000000000000");
    const QStringList before = snapshot();

    click("Command7");
    QVERIFY(m_dialog->isHidden());
    QVERIFY(m_registrar.records.isEmpty());
    QVERIFY(showDialog());
    QCOMPARE(snapshot(), before);
    registerNow();
    QCOMPARE(m_registrar.records.last().line(), QStringLiteral("1\t鉄兜\t[胴]Ｈ♀<br>硬い<br>Lv1～ All Jobs\t0\t0\t12"));
}

void TestForm3::tabOrder_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("order");

    const QStringList middle{"Text3", "Command1", "Command2", "Command3", "Command4", "Command5", "Command6"};
    const QStringList end{"Combo1", "Combo2", "Option2(0)", "Text1", "Command7", "List1"};
    QStringList jobs;
    for (int i = 15; i >= 0; --i)
        jobs.append(QStringLiteral("Check1(%1)").arg(i));
    QTest::newRow("load") << QStringList{} << (QStringList{"Check1(15)"} << middle << "Option1(0)" << end);
    // A group is entered at its chosen option; disabled controls are passed over.
    QTest::newRow("single jobs, Ｔ♀ and 99") << QStringList{"Check1(15)", "Option1(9)", "Option2(2)"}
        << (jobs << middle << "Option1(9)" << "Combo1" << "Combo2" << "Option2(2)" << end.mid(3));
    QTest::newRow("調度品") << QStringList{"Command3"} << middle + end.mid(2);
}

void TestForm3::tabOrder()
{
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, order);

    for (const QString& name : clicks)
        click(name);
    control("List1")->setFocus();
    QStringList visited;
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, order);
}

void TestForm3::enterAndEscapePressNothing()
{
    const QStringList before = snapshot();
    MessageCatcher catcher;
    for (const char* focus : {"Command6", "Command7", "Command3", "Text1", "Check1(15)"}) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            control(focus)->setFocus();
            QTest::keyClick(control(focus), key);
            QVERIFY2(m_dialog->isVisible() && m_registrar.records.isEmpty() && snapshot() == before,
                     qPrintable(QStringLiteral("%1, key %2").arg(focus).arg(key, 0, 16)));
        }
    }
    QTest::qWait(50);
    QCOMPARE(catcher.texts(), QStringList());
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
