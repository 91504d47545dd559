#include "ui/Message.h"

#include <QMessageBox>

namespace morvane {
namespace {

MessageAnswerer& answerer()
{
    static MessageAnswerer installed;
    return installed;
}

} // namespace

void showMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Morvane"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("message"));
    if (answerer())
        answerer()(box);
    else
        box.exec();
}

void setMessageAnswerer(MessageAnswerer answerer)
{
    morvane::answerer() = std::move(answerer);
}

} // namespace morvane
