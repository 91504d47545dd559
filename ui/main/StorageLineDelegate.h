#pragma once

#include <QStyledItemDelegate>

namespace morvane {

// Draws a storage line's tabs as a column stop, so that the counts after the
// names line up whether a name was followed by one tab or two. The count is
// always drawn: when the list is too narrow the name gives way, cut short with
// "…", and the line's tooltip shows it whole.
class StorageLineDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Where a line's name and count go within the row's text rectangle.
    struct LineLayout {
        QString wholeName;
        QString name; // cut short with "…" when it does not fit
        QRect nameRect;
        QString count;
        QRect countRect;
        bool nameCut() const { return name != wholeName; }
    };
    LineLayout layOut(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    static int countColumn(const QFontMetrics& metrics);
    static LineLayout layOut(const QString& line, const QFontMetrics& metrics, const QRect& textRect);
};

} // namespace morvane
