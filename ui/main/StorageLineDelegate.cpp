#include "ui/main/StorageLineDelegate.h"

#include "model/storage/StorageLine.h"
#include "ui/SelectedText.h"
#include "ui/ToolTipText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace morvane {

int StorageLineDelegate::countColumn(const QFontMetrics& metrics)
{
    // Wide enough for the usual item name of up to ten full-width letters.
    return metrics.horizontalAdvance(QStringLiteral("あ")) * 10 + metrics.averageCharWidth() * 2;
}

StorageLineDelegate::LineLayout StorageLineDelegate::layOut(const QString& line, const QFontMetrics& metrics,
                                                            const QRect& textRect)
{
    const StorageLineParts parts = splitStorageLine(line);
    LineLayout layout;
    layout.wholeName = parts.name;
    layout.count = parts.count;
    if (!parts.hasCount) {
        layout.nameRect = textRect;
        layout.name = metrics.elidedText(parts.name, Qt::ElideRight, textRect.width());
        return layout;
    }

    // Counts of up to two digits keep one column even when the names give way.
    const int countWidth = qMax(metrics.horizontalAdvance(layout.count), metrics.horizontalAdvance(QStringLiteral("99")));
    const int gap = metrics.averageCharWidth() * 2;
    const int wanted = qMax(countColumn(metrics), metrics.horizontalAdvance(layout.wholeName) + gap);
    const int countX = qMax(0, qMin(wanted, textRect.width() - countWidth));
    layout.countRect = QRect(textRect.left() + countX, textRect.top(), textRect.width() - countX, textRect.height());
    layout.nameRect = QRect(textRect.left(), textRect.top(), qMax(0, countX - gap), textRect.height());
    layout.name = metrics.elidedText(layout.wholeName, Qt::ElideRight, layout.nameRect.width());
    return layout;
}

StorageLineDelegate::LineLayout StorageLineDelegate::layOut(const QStyleOptionViewItem& option,
                                                            const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget* widget = opt.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    return layOut(opt.text, opt.fontMetrics, style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget));
}

void StorageLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    const LineLayout layout = layOut(option, index);
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const QPalette::ColorRole role = (opt.state & QStyle::State_Selected) ? selectedTextRole(style) : QPalette::Text;
    const int align = Qt::AlignLeft | Qt::AlignVCenter;
    style->drawItemText(painter, layout.nameRect, align, opt.palette, true, layout.name, role);
    style->drawItemText(painter, layout.countRect, align, opt.palette, true, layout.count, role);
}

QSize StorageLineDelegate::sizeHint(const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(qMax(size.width(), countColumn(option.fontMetrics) * 3 / 2));
    return size;
}

bool StorageLineDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                    const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const LineLayout layout = layOut(option, index);
    // A line shown whole leaves the tooltip to the list.
    if (!layout.nameCut())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    // The name whole, then the count after a full-width space.
    QString whole = layout.wholeName;
    if (!layout.count.isEmpty())
        whole += u'\u3000' + layout.count;
    QToolTip::showText(event->globalPos(), toolTipText(whole), view->viewport(), option.rect);
    return true;
}

} // namespace morvane
