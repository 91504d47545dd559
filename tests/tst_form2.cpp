#include "DialogHost.h"
#include "MessageCatcher.h"

#include "ui/character_dialog/CharacterRegistrar.h"
#include "ui/character_dialog/Form2.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace morvane;

namespace {

struct FakeCharacterRegistrar : CharacterRegistrar {
    bool addCharacter(const QString& name) override
    {
        names.append(name);
        return accept;
    }
    QStringList names;
    bool accept = true;
};

} // namespace

class TestForm2 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { delete m_mainWindow; } // takes the dialog with it
    void loadStateAndTabOrder();
    void command1_data();
    void command1();
    void enterAndEscapePressNothing();

private:
    QWidget* control(const QString& name) const { return m_dialog->findChild<QWidget*>(name); }
    QLineEdit* text1() const { return m_dialog->findChild<QLineEdit*>("Text1"); }
    bool showDialog();

    FakeCharacterRegistrar m_registrar;
    QWidget* m_mainWindow = nullptr;
    Form2* m_dialog = nullptr;
};

void TestForm2::init()
{
    m_registrar.names.clear();
    m_registrar.accept = true;
    m_mainWindow = new QWidget;
    m_mainWindow->show();
    m_dialog = new Form2(m_registrar, m_mainWindow);
    QVERIFY(showDialog());
}

bool TestForm2::showDialog()
{
    return showOverMainWindow(m_mainWindow, m_dialog);
}

void TestForm2::loadStateAndTabOrder()
{
    QCOMPARE(text1()->text(), QString());
    QCOMPARE(m_dialog->findChild<QPushButton*>("Command1")->text(), QStringLiteral("追加"));
    QCOMPARE(m_dialog->findChild<QPushButton*>("Command2")->text(), QStringLiteral("追加せず終了"));
    QCOMPARE(QApplication::focusWidget(), text1());
    QStringList visited;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, (QStringList{"Command1", "Command2", "Text1"}));
}

void TestForm2::command1_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("registrarAccepts");
    QTest::addColumn<QString>("message"); // empty when the name reaches the registrar

    const QString lineBreak = QStringLiteral("キャラクター名にタブや改行は使えません");
    const QString reserved = QStringLiteral("キャラクター名に \\ / : * ? \" < > | は使えません");
    const QString unusable = QStringLiteral("キャラクター名に使えない文字が含まれています");

    QTest::newRow("half-width kana and punctuation") << QStringLiteral("ｸﾛ.Shiro-2 (old)") << true << QString();
    QTest::newRow("backslash byte in code page 932") << QStringLiteral("ソウル") << true << QString();
    QTest::newRow("registrar refuses") << QStringLiteral("Kuro") << false << QString();
    QTest::newRow("tab") << "Ku\tro" << true << lineBreak;
    QTest::newRow("CR") << "Kuro\r" << true << lineBreak;
    QTest::newRow("LF") << "\nKuro" << true << lineBreak;
    for (const char* c : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|"})
        QTest::addRow("reserved %s", c) << QStringLiteral("Ku%1ro").arg(QLatin1String(c)) << true << reserved;
    QTest::newRow("NUL") << QString(QChar(0)) << true << unusable;
    QTest::newRow("DEL") << QStringLiteral("a\x7f") << true << unusable;
    QTest::newRow("é") << QStringLiteral("Chloé") << true << unusable;
    QTest::newRow("emoji") << QStringLiteral("Kuro🐱") << true << unusable;
    QTest::newRow("lone surrogate") << QString(QChar(0xdbff)) << true << unusable;
}

void TestForm2::command1()
{
    QFETCH(QString, name);
    QFETCH(bool, registrarAccepts);
    QFETCH(QString, message);

    m_registrar.accept = registrarAccepts;
    text1()->setText(name); // some of these characters cannot be typed
    MessageCatcher catcher;
    QTest::mouseClick(control("Command1"), Qt::LeftButton);

    QCOMPARE(catcher.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(m_registrar.names, message.isEmpty() ? QStringList{name} : QStringList());
    const bool added = message.isEmpty() && registrarAccepts;
    QCOMPARE(m_dialog->isHidden(), added);
    if (added) {
        QTRY_COMPARE(QApplication::activeWindow(), m_mainWindow);
        QVERIFY(showDialog());
    }
    QCOMPARE(text1()->text(), name);
}

void TestForm2::enterAndEscapePressNothing()
{
    text1()->setText(QStringLiteral("Kuro"));
    MessageCatcher catcher;
    for (const char* focus : {"Text1", "Command1", "Command2"}) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            control(focus)->setFocus();
            QTest::keyClick(control(focus), key);
            QVERIFY2(m_dialog->isVisible() && m_registrar.names.isEmpty(),
                     qPrintable(QStringLiteral("%1, key %2").arg(focus).arg(key, 0, 16)));
        }
    }
    QTest::qWait(50);
    QCOMPARE(catcher.texts(), QStringList());
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
