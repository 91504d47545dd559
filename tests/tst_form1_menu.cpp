#include "DataFixture.h"
#include "MessageCatcher.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A session over a three-line catalogue, started.
struct MenuSession : Session {
    explicit MenuSession(const QStringList& roster)
        : Session({record(1, u"炎のクリスタル"_s, u"d"_s, 12), record(2, u"ダガー"_s, u"d"_s, 1), record(3, u"闇のクリスタル"_s, u"d"_s, 12)},
                  roster)
    {
        start();
    }

    void trigger(const QString& action) const { control<QAction>(w(), action)->trigger(); }
    QWidget* dialog(const QString& name) const { return w()->findChild<QWidget*>(name); }
    QStringList roster() const { return texts(characters()->model()); }

    void addCharacter(const QString& name) const
    {
        trigger(u"addc"_s);
        control<QLineEdit>(dialog(u"Form2"_s), u"Text1"_s)->setText(name);
        control<QPushButton>(dialog(u"Form2"_s), u"Command1"_s)->click();
    }

    void registerItem(const QString& name) const
    {
        trigger(u"itemadd"_s);
        control<QLineEdit>(dialog(u"Form3"_s), u"Text1"_s)->setText(name);
        control<QAbstractButton>(dialog(u"Form3"_s), u"Option2(2)"_s)->click(); // stack size 99
        control<QPushButton>(dialog(u"Form3"_s), u"Command6"_s)->click();
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
        s.trigger(u"addc"_s);
        QWidget* form2 = s.dialog(u"Form2"_s);
        control<QLineEdit>(form2, u"Text1"_s)->setText(u"typed"_s);
        control<QPushButton>(form2, u"Command2"_s)->click(); // hides it
        s.trigger(u"addc"_s);
        s.trigger(u"addc"_s);
        QVERIFY(s.w()->findChildren<QWidget*>(u"Form2"_s).size() == 1 && form2->isVisible());
        QCOMPARE(control<QLineEdit>(form2, u"Text1"_s)->text(), QStringLiteral("typed"));
        form2->close();
        QTRY_VERIFY(!s.dialog(u"Form2"_s));
        s.trigger(u"addc"_s);
        QCOMPARE(control<QLineEdit>(s.dialog(u"Form2"_s), u"Text1"_s)->text(), QString());

        // Empty, spaced and repeated names are added as typed; a refused one changes nothing.
        const QStringList names{u"Kuro"_s, u""_s, u" Kuro "_s, u"Kuro"_s};
        for (const QString& name : names)
            s.addCharacter(name);
        MessageCatcher messages;
        s.addCharacter(u"Ku/ro"_s);
        QCOMPARE(messages.texts().size(), 1);
        QCOMPARE(s.bytes(u"cname.dat"_s), fileLines(names));
        QCOMPARE(s.roster(), names);
        QCOMPARE(s.characters()->currentIndex(), 3);
    }

    void registeringItems()
    {
        MenuSession s({u"Kuro"_s});
        // After a search the number follows the lines shown, not the catalogue.
        control<QLineEdit>(s.w(), u"Text1"_s)->setText(u"クリ"_s);
        button(s.w(), 14)->click();
        s.registerItem(u"光のクリスタル"_s);
        QCOMPARE(s.bytes(u"item.dat"_s), fileLines({u"3\t光のクリスタル\t[格闘]全種<br><br>Lv1～ All Jobs\t0\t0\t99"_s}));
        QCOMPARE(rows(s.w(), u"List1"_s), (QStringList{u"炎のクリスタル"_s, u"闇のクリスタル"_s, u"光のクリスタル"_s}));
        QCOMPARE(selectedRow(s.w(), u"List1"_s), 2);
        QCOMPARE(selector(s.w()), QStringLiteral("99 011111"));

        // What item.dat cannot take is not registered at all.
        QVERIFY(QFile::remove(s.path(u"item.dat"_s)) && QDir(s.dir.path()).mkdir(u"item.dat"_s));
        MessageCatcher messages;
        s.registerItem(u"Lost"_s);
        QCOMPARE(messages.texts().size(), 1);
        // The path as the system writes it (backslashes on Windows).
        QVERIFY2(messages.texts().first().contains(QDir::toNativeSeparators(s.path(u"item.dat"_s))),
                 qPrintable(messages.texts().first()));
        QCOMPARE(rows(s.w(), u"List1"_s).size(), 3);
        button(s.w(), 23)->click();
        QCOMPARE(rows(s.w(), u"List1"_s), (QStringList{u"炎のクリスタル"_s, u"ダガー"_s, u"闇のクリスタル"_s, u"光のクリスタル"_s}));
    }

    void deletingCharacters_data()
    {
        QTest::addColumn<QStringList>("roster");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("middle") << QStringList{u"A"_s, u"B"_s, u"C"_s} << 1 << QStringList{u"A"_s, u"C"_s};
        QTest::newRow("last") << QStringList{u"A"_s, u"B"_s, u"C"_s} << 2 << QStringList{u"A"_s, u"B"_s};
        QTest::newRow("only") << QStringList{u"A"_s} << 0 << QStringList{};
        QTest::newRow("duplicate") << QStringList{u"A"_s, u"B"_s, u"A"_s} << 0 << QStringList{u"B"_s, u"A"_s};
        QTest::newRow("nobody chosen") << QStringList{u"A"_s, u"B"_s, u"C"_s} << -1 << QStringList{u"A"_s, u"B"_s, u"C"_s};
    }

    void deletingCharacters()
    {
        QFETCH(QStringList, roster);
        QFETCH(int, chosen);
        QFETCH(QStringList, left);
        MenuSession s({});
        // Line feeds only: the rewrite shows in the file even when nobody goes.
        writeBytes(s.path(u"cname.dat"_s), roster.join(u'\n').toLatin1());
        for (const QString& name : roster)
            s.write(name + u"mog.dat"_s, {name});
        s.start();
        s.characters()->setCurrentIndex(chosen);
        button(s.w(), 1)->click(); // an unsaved change, lost by the deletion
        MessageCatcher messages;
        s.trigger(u"clec"_s);
        QCOMPARE(messages.texts(), chosen < 0 ? QStringList{u"誰もいないクポ；；"_s} : QStringList{});
        QCOMPARE(s.roster(), left);
        QCOMPARE(s.bytes(u"cname.dat"_s), fileLines(left));
        QCOMPARE(s.characters()->currentIndex(), int(left.size()) - 1);
        QCOMPARE(rows(s.w(), u"List2"_s), left.isEmpty() ? QStringList{} : QStringList{left.last()});
        // Files stay: a character added again under a deleted name gets them back.
        s.addCharacter(u"A"_s);
        QCOMPARE(rows(s.w(), u"List2"_s), QStringList{u"A"_s});
    }

    void endClosesEverythingWithoutSaving()
    {
        MenuSession s({u"Kuro"_s});
        s.put(0, 1);
        s.trigger(u"addc"_s);
        s.trigger(u"itemadd"_s);
        s.trigger(u"end"_s);
        QVERIFY(!s.w()->isVisible());
        for (const QString& dialog : {u"Form2"_s, u"Form3"_s})
            QVERIFY(!s.dialog(dialog) || !s.dialog(dialog)->isVisible());
        QVERIFY(!QFile::exists(s.path(u"Kuromog.dat"_s)));
    }
};

QTEST_MAIN(Form1MenuTest)
#include "tst_form1_menu.moc"
