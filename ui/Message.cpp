#include "ui/Message.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QStyle>

namespace morvane {
namespace {

MessageAnswerer& answerer()
{
    static MessageAnswerer installed;
    return installed;
}

// The window manager puts the title between the window's icon and its three
// buttons, each about as wide as the title bar is high; a short message would
// otherwise leave the title cut short.
int widthForTitle(const QMessageBox& box)
{
    const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
    const int titleBarHeight = box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    return title.horizontalAdvance(box.windowTitle()) + 5 * titleBarHeight;
}

} // namespace

void showMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Morvane"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("message"));
    // The box sizes itself to its layout's minimum, which a spacer can widen.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(widthForTitle(box), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
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
