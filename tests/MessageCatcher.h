#pragma once

#include "ui/Message.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QStringList>
#include <QTest>

// A message no test waits for fails the running test at once, rather than
// leaving a box nobody answers until the test runner's time-out.
inline void failOnUnexpectedMessages()
{
    morvane::setMessageAnswerer([](QMessageBox& box) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected message: ") + box.text()), __FILE__, __LINE__);
    });
}

// Answers every message box shown while it lives, at the moment it is
// shown: records the box's text and presses its OK button, so a test can
// run code that shows modal messages:
//
//     MessageCatcher catcher;
//     QTest::mouseClick(button, Qt::LeftButton);
//     QCOMPARE(catcher.texts(), QStringList{QStringLiteral("...")});
//
// A box that does not carry the program's title or offers more than its OK
// button fails the running test.
class MessageCatcher {
public:
    MessageCatcher()
    {
        morvane::setMessageAnswerer([this](QMessageBox& box) { answer(box); });
    }
    ~MessageCatcher() { failOnUnexpectedMessages(); }

    MessageCatcher(const MessageCatcher&) = delete;
    MessageCatcher& operator=(const MessageCatcher&) = delete;

    // The texts of the boxes shown so far, in order.
    QStringList texts() const { return m_texts; }

private:
    void answer(QMessageBox& box)
    {
        m_texts.append(box.text());
        QCOMPARE(box.windowTitle(), QStringLiteral("Morvane"));
        QVERIFY2(box.button(QMessageBox::Ok) && box.buttons().size() == 1, "a message offers OK alone");
    }

    QStringList m_texts;
};
