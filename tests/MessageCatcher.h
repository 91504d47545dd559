#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>

// Answers every message box shown while it lives: records the box's text and
// presses its OK button, so a test can run code that shows modal messages:
//
//     MessageCatcher catcher;
//     QTest::mouseClick(button, Qt::LeftButton);
//     QCOMPARE(catcher.texts(), QStringList{QStringLiteral("...")});
//
// A box that does not carry the program's title or offers more than its OK
// button fails the running test (it is closed all the same).
class MessageCatcher {
public:
    MessageCatcher()
    {
        m_poll.setInterval(10);
        QObject::connect(&m_poll, &QTimer::timeout, [this] { answer(); });
        m_poll.start();
    }

    MessageCatcher(const MessageCatcher&) = delete;
    MessageCatcher& operator=(const MessageCatcher&) = delete;

    // The texts of the boxes shown so far, in order.
    QStringList texts() const { return m_texts; }

private:
    void answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        m_texts.append(box->text());
        QTest::qCompare(box->windowTitle(), QStringLiteral("Morvane"), "windowTitle()", "\"Morvane\"",
                        __FILE__, __LINE__);
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        QTest::qVerify(ok != nullptr && box->buttons().size() == 1,
                       "ok != nullptr && box->buttons().size() == 1", "a message offers OK alone",
                       __FILE__, __LINE__);
        if (ok)
            ok->click();
        else
            box->reject();
    }

    QTimer m_poll;
    QStringList m_texts;
};
