#include "DialogHost.h"
#include "MessageCatcher.h"

#include "ui/item_dialog/Form3.h"
#include "ui/item_dialog/ItemRegistrar.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include <optional>

using namespace morvane;

constexpr bool (QAbstractButton::*kEnabled)() const = &QWidget::isEnabled;
constexpr bool (QAbstractButton::*kTicked)() const = &QAbstractButton::isChecked;

struct FakeItemRegistrar : ItemRegistrar {
    int lineCount = 0;
    bool accept = true;
    QList<ItemRecord> records;
    int catalogueLineCount() const override { return lineCount; }
    bool registerItem(const ItemRecord& record) override { records.append(record); return accept; }
};

class TestForm3 : public QObject {
    Q_OBJECT

    std::optional<DialogHost<Form3, FakeItemRegistrar>> m_host;

    template <typename T = QWidget>
    T* control(const QString& name) const { return m_host->control<T>(name); }
    void click(const QString& name) const { control<QAbstractButton>(name)->click(); }
    const QList<ItemRecord>& records() const { return m_host->registrar.records; }
    // One digit per member of a control array, 1 where the state holds.
    QString row(const char* array, bool (QAbstractButton::*state)() const) const
    {
        QString digits;
        for (int i = 0; auto* box = control<QAbstractButton>(QStringLiteral("%1(%2)").arg(array).arg(i)); ++i)
            digits += (box->*state)() ? u'1' : u'0';
        return digits;
    }
    // Registers, shows the dialog again and gives the detail text of the
    // record the registrar received, or "none".
    QString registerNow()
    {
        const qsizetype before = records().size();
        click("Command6");
        if (!m_host->show())
            return "not shown again";
        return records().size() == before + 1 ? records().last().entry.detail : "none";
    }

private slots:
    void init() { QVERIFY(m_host.emplace().show()); }
    void cleanup() { m_host.reset(); }

    void loadStateAndKeyboard()
    {
        QCOMPARE(QApplication::focusWidget(), control("List1"));
        QCOMPARE(row("Check1", kTicked), "0000000000000001");
        QCOMPARE(row("Check1", kEnabled), "0000000000000001");
        QCOMPARE(row("Option1", kEnabled), "111111111111");
        QVERIFY(control("Combo1")->isEnabled() && control("Combo2")->isEnabled());
        pressEnterAndEscape(m_host->dialog, {"Command6", "Command7", "Command3", "Text1", "Check1(15)"},
                            [this] { return records().isEmpty(); });
        // Still the load state: no key pressed a button or changed a choice.
        m_host->registrar.lineCount = 7;
        registerNow();
        QCOMPARE(records().size(), 1);
        QCOMPARE(records().last().line(), QStringLiteral("8\t\t[格闘]全種<br><br>Lv1～ All Jobs\t0\t0\t1"));

        click("Check1(15)");
        control("List1")->setFocus();
        QCOMPARE(tabWalk(17).join(' '), "Check1(15) Check1(14) Check1(13) Check1(12) Check1(11) Check1(10) Check1(9) "
                                        "Check1(8) Check1(7) Check1(6) Check1(5) Check1(4) Check1(3) Check1(2) "
                                        "Check1(1) Check1(0) Text3");
    }

    void jobRule()
    {
        // After a kind button every job box is enabled until a job box is clicked.
        click("Command1");
        QCOMPARE(row("Check1", kEnabled), "1111111111111111");
        click("Check1(3)");
        QCOMPARE(row("Check1", kEnabled), "0000000000000001");
        QCOMPARE(registerNow().section(u'～', 1), " All Jobs");
        click("Check1(15)");
        QCOMPARE(row("Check1", kEnabled), "1111111111111111");
        QCOMPARE(registerNow().section(u'～', 1), " 黒");
        click("Check1(3)");
        QCOMPARE(registerNow().section(u'～', 1), " ");
        for (const char* box : {"Check1(14)", "Check1(0)", "Check1(6)"})
            click(box);
        QCOMPARE(registerNow().section(u'～', 1), " 戦ナ侍");
        // Ticks survive All Jobs and count again once it is unticked.
        click("Check1(15)");
        QCOMPARE(registerNow().section(u'～', 1), " All Jobs");
        click("Check1(15)");
        QCOMPARE(registerNow().section(u'～', 1), " 戦ナ侍");
    }

    void kindButtons_data()
    {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("enabled"); // job boxes, race options, level lists
        QTest::newRow("武器 after 調度品") << QStringList{"Command3", "Command1"} << "格闘" << "111";
        QTest::newRow("防具 after 調度品") << QStringList{"Command3", "Command2"} << "盾" << "111";
        QTest::newRow("調度品") << QStringList{"Command3"} << "調度品" << "000";
        QTest::newRow("魔法") << QStringList{"Command4"} << "魔法" << "101";
        QTest::newRow("その他 after load") << QStringList{"Command5"} << "その他" << "010";
        QTest::newRow("その他 after 魔法") << QStringList{"Command4", "Command5"} << "その他" << "000";
    }
    void kindButtons()
    {
        QFETCH(QStringList, buttons);
        QFETCH(QString, type);
        QFETCH(QString, enabled);
        for (const char* choice : {"Option1(5)", "Check1(15)", "Check1(0)", "Check1(9)"})
            click(choice);
        control<QComboBox>("Combo1")->setCurrentIndex(7);
        control<QComboBox>("Combo2")->setCurrentIndex(4);
        for (const QString& button : buttons)
            click(button);
        QCOMPARE(row("Check1", kEnabled), QString(16, enabled[0]));
        QCOMPARE(row("Option1", kEnabled), QString(12, enabled[1]));
        QCOMPARE(control("Combo1")->isEnabled(), enabled[2] == u'1');
        QCOMPARE(control("Combo2")->isEnabled(), enabled[2] == u'1');
        // Enabled or not, every value stays as it was and reaches the record.
        QCOMPARE(registerNow(), QStringLiteral("[%1]Ｅ♂<br><br>Lv75～ 戦吟").arg(type));
    }

    void levelsNeverMultipleOfTen()
    {
        auto* tens = control<QComboBox>("Combo1");
        auto* ones = control<QComboBox>("Combo2");
        QVERIFY(!tens->isEditable() && !ones->isEditable());
        QStringList formed;
        for (int i = 0; i < tens->count() * ones->count(); ++i) {
            tens->setCurrentIndex(i / ones->count());
            ones->setCurrentIndex(i % ones->count());
            formed.append(registerNow().section("<br>Lv", 1).section(u'～', 0, 0));
        }
        QCOMPARE(formed.join(' '), "1 2 3 4 5 6 7 8 9 11 12 13 14 15 16 17 18 19 21 22 23 24 25 26 27 28 29 "
                                   "31 32 33 34 35 36 37 38 39 41 42 43 44 45 46 47 48 49 51 52 53 54 55 56 57 "
                                   "58 59 61 62 63 64 65 66 67 68 69 71 72 73 74 75 76 77 78 79");
    }

    void command6AndCommand7()
    {
        MessageCatcher catcher;
        control<QLineEdit>("Text1")->setText(QStringLiteral("鉄兜"));
        control<QLineEdit>("Text3")->setText(QStringLiteral("épée"));
        for (const char* choice : {"Command2", "Option1(3)", "Command3", "Option2(1)"})
            click(choice);
        // A type chosen by hand is taken as it is; enabled states stay.
        control<QListWidget>("List1")->setCurrentRow(18);
        QTest::mouseClick(control("Command6"), Qt::LeftButton);
        QCOMPARE(catcher.texts(), QStringList{"アイテムコメントに使えない文字が含まれています"});
        QVERIFY(records().isEmpty() && m_host->dialog->isVisible());
        control<QLineEdit>("Text3")->setText(QStringLiteral("硬い"));
        m_host->registrar.accept = false;
        click("Command6");
        QVERIFY(records().size() == 1 && m_host->dialog->isVisible());

        // Closing and registering both hide the dialog and keep everything.
        click("Command7");
        QVERIFY(records().size() == 1 && m_host->dialog->isHidden());
        QVERIFY(m_host->show());
        QCOMPARE(row("Option1", kEnabled) + row("Check1", kEnabled), QString(28, u'0'));
        m_host->registrar.accept = true;
        click("Command6");
        QVERIFY(records().size() == 2 && m_host->dialog->isHidden());
        QVERIFY(m_host->show());
        QCOMPARE(control<QLineEdit>("Text1")->text() + control<QLineEdit>("Text3")->text(), "鉄兜硬い");
        QCOMPARE(records().last().line(), QStringLiteral("1\t鉄兜\t[胴]Ｈ♀<br>硬い<br>Lv1～ All Jobs\t0\t0\t12"));
        QCOMPARE(catcher.texts().size(), 1);
    }
};

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
