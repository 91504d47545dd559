#include "ui/main/StorageLineDelegate.h"

#include "model/StorageLine.h"

#include <QApplication>
#include <QPainter>

namespace morvane {

int StorageLineDelegate::countColumn(const QFontMetrics& metrics)
{
    // Wide enough for the usual item name of up to ten full-width letters.
    return metrics.horizontalAdvance(QStringLiteral("あ")) * 10 + metrics.averageCharWidth() * 2;
}

void StorageLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const StorageLineParts parts = splitStorageLine(opt.text);
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);

    const QPalette::ColorRole role = (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText
                                                                          : QPalette::Text;
    const int nameWidth = opt.fontMetrics.horizontalAdvance(parts.name);
    const int gap = opt.fontMetrics.averageCharWidth() * 2;
    const int countX = qMax(countColumn(opt.fontMetrics), nameWidth + gap);
    const int align = Qt::AlignLeft | Qt::AlignVCenter;
    style->drawItemText(painter, textRect, align, opt.palette, true, parts.name, role);
    if (parts.hasCount)
        style->drawItemText(painter, textRect.adjusted(countX, 0, 0, 0), align, opt.palette,
                            true, parts.count, role);
}

QSize StorageLineDelegate::sizeHint(const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(qMax(size.width(), countColumn(option.fontMetrics) * 3 / 2));
    return size;
}

} // namespace morvane
