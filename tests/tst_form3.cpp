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
using namespace Qt::StringLiterals;

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
    // One digit per member of a control array, 1 where it is enabled.
    QString enabledRow(const QString& array) const
    {
        QString digits;
        for (int i = 0; auto* box = control(QStringLiteral("%1(%2)").arg(array).arg(i)); ++i)
            digits += box->isEnabled() ? u'1' : u'0';
        return digits;
    }
    // Registers, shows the dialog again and gives the detail text of the
    // record the registrar received, or "none".
    QString registerNow()
    {
        const qsizetype before = records().size();
        click(u"Command6"_s);
        if (!m_host->show())
            return u"not shown again"_s;
        return records().size() == before + 1 ? records().last().entry.detail : u"none"_s;
    }

private slots:
    void init() { QVERIFY(m_host.emplace().show()); }
    void cleanup() { m_host.reset(); }

    void loadStateAndKeyboard()
    {
        QCOMPARE(QApplication::focusWidget(), control(u"List1"_s));
        QCOMPARE(enabledRow(u"Check1"_s), u"0000000000000001"_s);
        QCOMPARE(enabledRow(u"Option1"_s), u"111111111111"_s);
        QVERIFY(control(u"Combo1"_s)->isEnabled() && control(u"Combo2"_s)->isEnabled());
        pressEnterAndEscape(m_host->dialog, {u"Command6"_s, u"Command7"_s, u"Command3"_s, u"Text1"_s, u"Check1(15)"_s},
                            [this] { return records().isEmpty(); });
        // Still the load state: no key pressed a button or changed a choice.
        m_host->registrar.lineCount = 7;
        registerNow();
        QCOMPARE(records().value(0).line(), QStringLiteral("8\t\t[格闘]全種<br><br>Lv1～ All Jobs\t0\t0\t1"));

        click(u"Check1(15)"_s);
        control(u"List1"_s)->setFocus();
        QCOMPARE(tabWalk(17).join(u' '), QStringLiteral("Check1(15) Check1(14) Check1(13) Check1(12) Check1(11) Check1(10) Check1(9) "
                                        "Check1(8) Check1(7) Check1(6) Check1(5) Check1(4) Check1(3) Check1(2) "
                                        "Check1(1) Check1(0) Text3"));
    }

    void jobRule()
    {
        // After a kind button every job box is enabled until a job box is clicked.
        click(u"Command1"_s);
        click(u"Check1(3)"_s);
        QCOMPARE(enabledRow(u"Check1"_s), u"0000000000000001"_s);
        QCOMPARE(registerNow().section(u'～', 1), u" All Jobs"_s);
        // Ticks survive All Jobs and count again once it is unticked.
        click(u"Check1(15)"_s);
        QCOMPARE(enabledRow(u"Check1"_s), u"1111111111111111"_s);
        QCOMPARE(registerNow().section(u'～', 1), u" 黒"_s);
        click(u"Check1(3)"_s);
        QCOMPARE(registerNow().section(u'～', 1), u" "_s);
        for (const QString& box : {u"Check1(14)"_s, u"Check1(0)"_s, u"Check1(6)"_s})
            click(box);
        QCOMPARE(registerNow().section(u'～', 1), u" 戦ナ侍"_s);
    }

    void kindButtons_data()
    {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("enabled"); // job boxes, race options, level lists
        QTest::newRow("武器 after 調度品") << QStringList{u"Command3"_s, u"Command1"_s} << u"格闘"_s << u"111"_s;
        QTest::newRow("防具 after 調度品") << QStringList{u"Command3"_s, u"Command2"_s} << u"盾"_s << u"111"_s;
        QTest::newRow("調度品") << QStringList{u"Command3"_s} << u"調度品"_s << u"000"_s;
        QTest::newRow("魔法") << QStringList{u"Command4"_s} << u"魔法"_s << u"101"_s;
        QTest::newRow("その他 after load") << QStringList{u"Command5"_s} << u"その他"_s << u"010"_s;
        QTest::newRow("その他 after 魔法") << QStringList{u"Command4"_s, u"Command5"_s} << u"その他"_s << u"000"_s;
    }
    void kindButtons()
    {
        QFETCH(QStringList, buttons);
        QFETCH(QString, type);
        QFETCH(QString, enabled);
        for (const QString& choice : {u"Option1(5)"_s, u"Check1(15)"_s, u"Check1(0)"_s, u"Check1(9)"_s})
            click(choice);
        control<QComboBox>(u"Combo1"_s)->setCurrentIndex(7);
        control<QComboBox>(u"Combo2"_s)->setCurrentIndex(4);
        for (const QString& button : buttons)
            click(button);
        QCOMPARE(enabledRow(u"Check1"_s), QString(16, enabled[0]));
        QCOMPARE(enabledRow(u"Option1"_s), QString(12, enabled[1]));
        QCOMPARE(control(u"Combo1"_s)->isEnabled(), enabled[2] == u'1');
        QCOMPARE(control(u"Combo2"_s)->isEnabled(), enabled[2] == u'1');
        // Enabled or not, every value stays as it was and reaches the record.
        QCOMPARE(registerNow(), QStringLiteral("[%1]Ｅ♂<br><br>Lv75～ 戦吟").arg(type));
    }

    void command6AndCommand7()
    {
        MessageCatcher catcher;
        control<QLineEdit>(u"Text1"_s)->setText(QStringLiteral("鉄兜"));
        control<QLineEdit>(u"Text3"_s)->setText(QStringLiteral("épée"));
        for (const QString& choice : {u"Command2"_s, u"Option1(3)"_s, u"Command3"_s, u"Option2(1)"_s})
            click(choice);
        // A type chosen by hand is taken as it is; enabled states stay.
        control<QListWidget>(u"List1"_s)->setCurrentRow(18);
        QTest::mouseClick(control(u"Command6"_s), Qt::LeftButton);
        QCOMPARE(catcher.texts(), QStringList{u"アイテムコメントに使えない文字が含まれています"_s});
        QVERIFY(records().isEmpty() && m_host->dialog->isVisible());
        control<QLineEdit>(u"Text3"_s)->setText(QStringLiteral("硬い"));
        m_host->registrar.accept = false;
        click(u"Command6"_s);
        QVERIFY(records().size() == 1 && m_host->dialog->isVisible());

        // Closing and registering both hide the dialog and keep everything.
        click(u"Command7"_s);
        QVERIFY(records().size() == 1 && m_host->dialog->isHidden());
        QVERIFY(m_host->show());
        QCOMPARE(enabledRow(u"Option1"_s) + enabledRow(u"Check1"_s), QString(28, u'0'));
        m_host->registrar.accept = true;
        click(u"Command6"_s);
        QVERIFY(records().size() == 2 && m_host->dialog->isHidden());
        QVERIFY(m_host->show());
        QCOMPARE(control<QLineEdit>(u"Text1"_s)->text() + control<QLineEdit>(u"Text3"_s)->text(), u"鉄兜硬い"_s);
        QCOMPARE(records().last().line(), QStringLiteral("1\t鉄兜\t[胴]Ｈ♀<br>硬い<br>Lv1～ All Jobs\t0\t0\t12"));
        QCOMPARE(catcher.texts().size(), 1);
    }
};

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
