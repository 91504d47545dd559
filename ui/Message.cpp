#include "ui/Message.h"

#include <QMessageBox>

namespace morvane {

void showMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Morvane"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("message"));
    box.exec();
}

} // namespace morvane
