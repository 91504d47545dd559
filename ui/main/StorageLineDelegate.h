#pragma once

#include <QStyledItemDelegate>

namespace morvane {

// Draws a storage line's tabs as a column stop, so that the counts after the
// names line up whether a name was followed by one tab or two.
class StorageLineDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    static int countColumn(const QFontMetrics& metrics);
};

} // namespace morvane
