#include "ui/main/DetailLine.h"

#include "ui/ToolTipText.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace morvane {

DetailLine::DetailLine(QWidget* parent)
    : QLabel(parent)
{
    // Detail texts may hold "<" and must never be taken for markup.
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

bool DetailLine::isCut() const
{
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

bool DetailLine::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && isCut()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), toolTipText(text()), this);
        return true;
    }
    return QLabel::event(event);
}

void DetailLine::paintEvent(QPaintEvent* event)
{
    // A text that fits is painted by the label, which also shows a selection.
    if (!isCut()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect area = contentsRect();
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(),
                          fontMetrics().elidedText(text(), Qt::ElideRight, area.width()), foregroundRole());
}

} // namespace morvane
