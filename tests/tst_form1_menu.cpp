#include "DataFixture.h"
#include "MessageCatcher.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QTest>

namespace {

// A session over a three-line catalogue, started.
struct MenuSession : Session {
    explicit MenuSession(const QStringList& roster)
        : Session({record(1, "炎のクリスタル", "d", 12), record(2, "ダガー", "d", 1), record(3, "闇のクリスタル", "d", 12)},
                  roster)
    {
        start();
    }

    void trigger(const char* action) const { control<QAction>(w(), action)->trigger(); }
    QWidget* dialog(const char* name) const { return w()->findChild<QWidget*>(name); }
    QStringList roster() const { return texts(characters()->model()); }

    void addCharacter(const QString& name) const
    {
        trigger("addc");
        control<QLineEdit>(dialog("Form2"), "Text1")->setText(name);
        control<QPushButton>(dialog("Form2"), "Command1")->click();
    }

    void registerItem(const QString& name) const
    {
        trigger("itemadd");
        control<QLineEdit>(dialog("Form3"), "Text1")->setText(name);
        control<QAbstractButton>(dialog("Form3"), "Option2(2)")->click(); // stack size 99
        control<QPushButton>(dialog("Form3"), "Command6")->click();
    }
};

} // namespace

class Form1MenuTest : public QObject {
    Q_OBJECT

private slots:
    void addingCharacters()
    {
        MenuSession s({});
        // One dialog: hidden, it keeps what was typed; its close box discards it.
        s.trigger("addc");
        QWidget* form2 = s.dialog("Form2");
        control<QLineEdit>(form2, "Text1")->setText("typed");
        control<QPushButton>(form2, "Command2")->click(); // hides it
        s.trigger("addc");
        s.trigger("addc");
        QVERIFY(s.w()->findChildren<QWidget*>("Form2").size() == 1 && form2->isVisible());
        QCOMPARE(control<QLineEdit>(form2, "Text1")->text(), QStringLiteral("typed"));
        form2->close();
        QTRY_VERIFY(!s.dialog("Form2"));
        s.trigger("addc");
        QCOMPARE(control<QLineEdit>(s.dialog("Form2"), "Text1")->text(), QString());

        // Empty, spaced and repeated names are added as typed; a refused one changes nothing.
        const QStringList names{"Kuro", "", " Kuro ", "Kuro"};
        for (const QString& name : names)
            s.addCharacter(name);
        MessageCatcher messages;
        s.addCharacter("Ku/ro");
        QCOMPARE(messages.texts().size(), 1);
        QCOMPARE(s.bytes("cname.dat"), fileLines(names));
        QCOMPARE(s.roster(), names);
        QCOMPARE(s.characters()->currentIndex(), 3);
    }

    void registeringItems()
    {
        MenuSession s({"Kuro"});
        // After a search the number follows the lines shown, not the catalogue.
        control<QLineEdit>(s.w(), "Text1")->setText("クリ");
        button(s.w(), 14)->click();
        s.registerItem("光のクリスタル");
        QCOMPARE(s.bytes("item.dat"), fileLines({"3\t光のクリスタル\t[格闘]全種<br><br>Lv1～ All Jobs\t0\t0\t99"}));
        QCOMPARE(rows(s.w(), "List1"), (QStringList{"炎のクリスタル", "闇のクリスタル", "光のクリスタル"}));
        QCOMPARE(selectedRow(s.w(), "List1"), 2);
        QCOMPARE(selector(s.w()), QStringLiteral("99 011111"));

        // What item.dat cannot take is not registered at all.
        QVERIFY(QFile::remove(s.path("item.dat")) && QDir(s.dir.path()).mkdir("item.dat"));
        MessageCatcher messages;
        s.registerItem("Lost");
        QCOMPARE(messages.texts().size(), 1);
        // The path as the system writes it (backslashes on Windows).
        QVERIFY2(messages.texts().first().contains(QDir::toNativeSeparators(s.path("item.dat"))),
                 qPrintable(messages.texts().first()));
        QCOMPARE(rows(s.w(), "List1").size(), 3);
        button(s.w(), 23)->click();
        QCOMPARE(rows(s.w(), "List1"), (QStringList{"炎のクリスタル", "ダガー", "闇のクリスタル", "光のクリスタル"}));
    }

    void deletingCharacters_data()
    {
        QTest::addColumn<QStringList>("roster");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("middle") << QStringList{"A", "B", "C"} << 1 << QStringList{"A", "C"};
        QTest::newRow("last") << QStringList{"A", "B", "C"} << 2 << QStringList{"A", "B"};
        QTest::newRow("only") << QStringList{"A"} << 0 << QStringList{};
        QTest::newRow("duplicate") << QStringList{"A", "B", "A"} << 0 << QStringList{"B", "A"};
        QTest::newRow("nobody chosen") << QStringList{"A", "B", "C"} << -1 << QStringList{"A", "B", "C"};
    }

    void deletingCharacters()
    {
        QFETCH(QStringList, roster);
        QFETCH(int, chosen);
        QFETCH(QStringList, left);
        MenuSession s({});
        // Line feeds only: the rewrite shows in the file even when nobody goes.
        writeBytes(s.path("cname.dat"), roster.join(u'\n').toLatin1());
        for (const QString& name : roster)
            s.write(name + "mog.dat", {name});
        s.start();
        s.characters()->setCurrentIndex(chosen);
        button(s.w(), 1)->click(); // an unsaved change, lost by the deletion
        MessageCatcher messages;
        s.trigger("clec");
        QCOMPARE(messages.texts(), chosen < 0 ? QStringList{"誰もいないクポ；；"} : QStringList{});
        QCOMPARE(s.roster(), left);
        QCOMPARE(s.bytes("cname.dat"), fileLines(left));
        QCOMPARE(s.characters()->currentIndex(), int(left.size()) - 1);
        QCOMPARE(rows(s.w(), "List2"), left.isEmpty() ? QStringList{} : QStringList{left.last()});
        // Files stay: a character added again under a deleted name gets them back.
        s.addCharacter("A");
        QCOMPARE(rows(s.w(), "List2"), QStringList{"A"});
    }

    void endClosesEverythingWithoutSaving()
    {
        MenuSession s({"Kuro"});
        s.put(0, 1);
        s.trigger("addc");
        s.trigger("itemadd");
        s.trigger("end");
        QVERIFY(!s.w()->isVisible());
        for (const char* dialog : {"Form2", "Form3"})
            QVERIFY(!s.dialog(dialog) || !s.dialog(dialog)->isVisible());
        QVERIFY(!QFile::exists(s.path("Kuromog.dat")));
    }
};

QTEST_MAIN(Form1MenuTest)
#include "tst_form1_menu.moc"
