#include "MessageCatcher.h"

#include "model/CharacterName.h"
#include "ui/character_dialog/CharacterRegistrar.h"
#include "ui/character_dialog/Form2.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace morvane;

namespace {

class FakeCharacterRegistrar : public CharacterRegistrar {
public:
    bool addCharacter(const QString& name) override
    {
        names.append(name);
        return accept;
    }

    QStringList names;
    bool accept = true;
};

int twipsToPixels(const QWidget* widget, int twips)
{
    return qRound(twips * widget->logicalDpiX() / 1440.0);
}

} // namespace

class TestForm2 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadState();
    void focusAndTabOrder();
    void addsNameAsTyped_data();
    void addsNameAsTyped();
    void refusesUnusableName_data();
    void refusesUnusableName();
    void staysOpenWhenRegistrarRefuses();
    void command2HidesWithoutAdding();
    void enterAndEscapePressNothing_data();
    void enterAndEscapePressNothing();

private:
    template <typename T>
    T* control(const char* name) const
    {
        T* widget = m_dialog->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("Form2 has no control %s", name);
        return widget;
    }
    bool showDialog();

    std::unique_ptr<QWidget> m_mainWindow;
    std::unique_ptr<FakeCharacterRegistrar> m_registrar;
    Form2* m_dialog = nullptr;
};

void TestForm2::init()
{
    m_mainWindow = std::make_unique<QWidget>();
    m_mainWindow->setWindowTitle(QStringLiteral("main"));
    m_mainWindow->show();
    m_registrar = std::make_unique<FakeCharacterRegistrar>();
    m_dialog = new Form2(*m_registrar, m_mainWindow.get());
    QVERIFY(showDialog());
}

void TestForm2::cleanup()
{
    m_mainWindow.reset(); // takes the dialog with it
    m_registrar.reset();
}

bool TestForm2::showDialog()
{
    // As in use: the main window's menu shows the dialog.
    m_mainWindow->activateWindow();
    if (!QTest::qWaitFor([this] { return QApplication::activeWindow() == m_mainWindow.get(); }))
        return false;
    m_dialog->show();
    m_dialog->activateWindow();
    // isActiveWindow() already holds while the main window is active.
    return QTest::qWaitFor([this] { return QApplication::activeWindow() == m_dialog; });
}

void TestForm2::loadState()
{
    QVERIFY(m_dialog->isWindow());
    QCOMPARE(m_dialog->objectName(), QStringLiteral("Form2"));
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("キャラクター追加"));
    QCOMPARE(control<QLabel>("Label1")->text(), QStringLiteral("キャラクター名を入力してください"));
    QCOMPARE(control<QLineEdit>("Text1")->text(), QString());
    QCOMPARE(control<QPushButton>("Command1")->text(), QStringLiteral("追加"));
    QCOMPARE(control<QPushButton>("Command2")->text(), QStringLiteral("追加せず終了"));
    QCOMPARE(m_dialog->size(), QSize(twipsToPixels(m_dialog, 2790), twipsToPixels(m_dialog, 1905)));

    // One column, top to bottom, inside the client area.
    const QList<QWidget*> column{control<QLabel>("Label1"), control<QLineEdit>("Text1"),
                                 control<QPushButton>("Command1"), control<QPushButton>("Command2")};
    for (qsizetype i = 0; i < column.size(); ++i) {
        const QRect place = column[i]->geometry();
        QCOMPARE(place.left(), column[0]->geometry().left());
        QCOMPARE(place.width(), column[0]->geometry().width());
        QVERIFY(m_dialog->rect().contains(place));
        if (i > 0)
            QVERIFY(place.top() > column[i - 1]->geometry().bottom());
    }
}

void TestForm2::focusAndTabOrder()
{
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>("Text1"));
    QStringList visited;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, (QStringList{"Command1", "Command2", "Text1"}));
}

void TestForm2::addsNameAsTyped_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("plain") << QStringLiteral("Shiro");
    QTest::newRow("spaces kept") << QStringLiteral(" Kuro ");
    QTest::newRow("empty") << QString();
    QTest::newRow("Japanese and half-width kana") << QStringLiteral("クロｸﾛ");
    QTest::newRow("backslash byte in code page 932") << QStringLiteral("ソウル");
    QTest::newRow("punctuation") << QStringLiteral("Kuro.Shiro-2 (old)");
}

void TestForm2::addsNameAsTyped()
{
    QFETCH(QString, name);
    QVERIFY(isUsableCharacterName(name));

    auto* text1 = control<QLineEdit>("Text1");
    text1->setText(name);
    MessageCatcher catcher;
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);

    QCOMPARE(m_registrar->names, QStringList{name});
    QCOMPARE(catcher.texts(), QStringList());
    QVERIFY(m_dialog->isHidden());
    QTRY_COMPARE(QApplication::activeWindow(), m_mainWindow.get());

    // Shown again, it still holds the name just added.
    QVERIFY(showDialog());
    QCOMPARE(text1->text(), name);
}

void TestForm2::refusesUnusableName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");

    const QString lineBreak = QStringLiteral("キャラクター名にタブや改行は使えません");
    const QString reserved = QStringLiteral("キャラクター名に \\ / : * ? \" < > | は使えません");
    const QString unusable = QStringLiteral("キャラクター名に使えない文字が含まれています");

    QTest::newRow("tab") << "Ku\tro" << lineBreak;
    QTest::newRow("CR") << "Kuro\r" << lineBreak;
    QTest::newRow("LF") << "\nKuro" << lineBreak;
    for (const char* c : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|"})
        QTest::addRow("reserved %s", c) << QStringLiteral("Ku%1ro").arg(QLatin1String(c)) << reserved;
    QTest::newRow("NUL") << QString(QChar(0)) << unusable;
    QTest::newRow("U+001F") << QStringLiteral("a\x1f") << unusable;
    QTest::newRow("DEL") << QStringLiteral("a\x7f") << unusable;
    QTest::newRow("é") << QStringLiteral("Chloé") << unusable;
    QTest::newRow("emoji") << QStringLiteral("Kuro🐱") << unusable;
    QTest::newRow("lone surrogate") << QString(QChar(0xdbff)) << unusable;
}

void TestForm2::refusesUnusableName()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QVERIFY(!isUsableCharacterName(name));

    // setText: some of these characters cannot be typed.
    control<QLineEdit>("Text1")->setText(name);
    MessageCatcher catcher;
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);

    QCOMPARE(catcher.texts(), QStringList{message});
    QCOMPARE(m_registrar->names, QStringList());
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(control<QLineEdit>("Text1")->text(), name);
}

void TestForm2::staysOpenWhenRegistrarRefuses()
{
    m_registrar->accept = false;
    control<QLineEdit>("Text1")->setText(QStringLiteral("Kuro"));
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);

    QCOMPARE(m_registrar->names, QStringList{"Kuro"});
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("Kuro"));
}

void TestForm2::command2HidesWithoutAdding()
{
    control<QLineEdit>("Text1")->setText(QStringLiteral("Kuro"));
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);

    QVERIFY(m_dialog->isHidden());
    QCOMPARE(m_registrar->names, QStringList());
    QTRY_COMPARE(QApplication::activeWindow(), m_mainWindow.get());
    QVERIFY(showDialog());
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("Kuro"));
}

void TestForm2::enterAndEscapePressNothing_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<Qt::Key>("key");

    for (const char* focus : {"Text1", "Command1", "Command2"}) {
        QTest::addRow("%s Return", focus) << QString::fromLatin1(focus) << Qt::Key_Return;
        QTest::addRow("%s Enter", focus) << QString::fromLatin1(focus) << Qt::Key_Enter;
        QTest::addRow("%s Escape", focus) << QString::fromLatin1(focus) << Qt::Key_Escape;
    }
}

void TestForm2::enterAndEscapePressNothing()
{
    QFETCH(QString, focus);
    QFETCH(Qt::Key, key);

    control<QLineEdit>("Text1")->setText(QStringLiteral("Kuro"));
    auto* target = m_dialog->findChild<QWidget*>(focus);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);
    MessageCatcher catcher;
    QTest::keyClick(target, key);
    QTest::qWait(50);

    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_registrar->names, QStringList());
    QCOMPARE(catcher.texts(), QStringList());
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
