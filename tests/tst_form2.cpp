#include "DialogHost.h"
#include "MessageCatcher.h"

#include "ui/character_dialog/CharacterRegistrar.h"
#include "ui/character_dialog/Form2.h"

#include <QLineEdit>

#include <optional>

using namespace morvane;
using namespace Qt::StringLiterals;

struct FakeCharacterRegistrar : CharacterRegistrar {
    QStringList names;
    bool accept = true;
    bool addCharacter(const QString& name) override { names.append(name); return accept; }
};

class TestForm2 : public QObject {
    Q_OBJECT

    std::optional<DialogHost<Form2, FakeCharacterRegistrar>> m_host;
    QLineEdit* text1() const { return m_host->control<QLineEdit>(u"Text1"_s); }

private slots:
    void init() { QVERIFY(m_host.emplace().show()); }
    void cleanup() { m_host.reset(); }

    void keyboard()
    {
        // It opens with the focus in the name box.
        QCOMPARE(tabWalk(3), (QStringList{u"Command1"_s, u"Command2"_s, u"Text1"_s}));
        text1()->setText(QStringLiteral("Kuro"));
        pressEnterAndEscape(m_host->dialog, {u"Text1"_s, u"Command1"_s, u"Command2"_s},
                            [this] { return m_host->registrar.names.isEmpty(); });
    }

    void command1_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("registrarAccepts");
        QTest::addColumn<QString>("message"); // empty when the name reaches the registrar

        const QString unusable = QStringLiteral("キャラクター名に使えない文字が含まれています");
        // "ソ" carries a backslash byte in code page 932.
        QTest::newRow("half-width kana, punctuation, ソ") << QStringLiteral("ｸﾛ.ソウル-2 (old)") << true << QString();
        QTest::newRow("registrar refuses") << QStringLiteral("Kuro") << false << QString();
        QTest::newRow("tab") << "Ku\tro" << true << QStringLiteral("キャラクター名にタブや改行は使えません");
        for (const char* c : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|"}) {
            QTest::addRow("reserved %s", c) << QStringLiteral("Ku%1ro").arg(QLatin1String(c)) << true
                                            << QStringLiteral("キャラクター名に \\ / : * ? \" < > | は使えません");
        }
        QTest::newRow("DEL") << QStringLiteral("a\x7f") << true << unusable;
        QTest::newRow("é") << QStringLiteral("Chloé") << true << unusable;
        // The longest file name, the name then "baginfo.dat", must fit 255 UTF-16 units and 255 UTF-8 bytes.
        const QString tooLong = QStringLiteral("キャラクター名が長すぎます");
        QTest::newRow("244 letters") << QString(244, u'k') << true << QString();
        QTest::newRow("245 letters") << QString(245, u'k') << true << tooLong;
        QTest::newRow("81 kana, 254 UTF-8 bytes") << QString(81, u'ク') << true << QString();
        QTest::newRow("82 kana, 257 UTF-8 bytes") << QString(82, u'ク') << true << tooLong;
    }
    void command1()
    {
        QFETCH(QString, name);
        QFETCH(bool, registrarAccepts);
        QFETCH(QString, message);
        m_host->registrar.accept = registrarAccepts;
        text1()->setText(name); // some of these characters cannot be typed
        MessageCatcher catcher;
        QTest::mouseClick(m_host->control(u"Command1"_s), Qt::LeftButton);

        QCOMPARE(catcher.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(m_host->registrar.names, message.isEmpty() ? QStringList{name} : QStringList());
        const bool added = message.isEmpty() && registrarAccepts;
        QCOMPARE(m_host->dialog->isHidden(), added);
        if (added)
            QTRY_COMPARE(QApplication::activeWindow(), &m_host->mainWindow);
        QCOMPARE(text1()->text(), name);
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
