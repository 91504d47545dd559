#pragma once

#include <QAbstractListModel>
#include <QStringList>

#include <vector>

namespace morvane {

// One storage of the current character (the Mog safe or the bag): display
// lines, each with the detail text at the same position. The detail slots
// exist for the whole capacity; slots past the last line are never shown or
// saved.
class Storage : public QAbstractListModel {
    Q_OBJECT

public:
    static constexpr int kCapacity = 10001;

    explicit Storage(QObject* parent = nullptr);

    int lineCount() const { return int(m_lines.size()); }
    bool isFull() const { return lineCount() >= kCapacity; }
    const QStringList& lines() const { return m_lines; }
    const QString& line(int position) const { return m_lines.at(position); }
    const QString& detail(int position) const { return m_details.at(position); }
    QStringList detailsInUse() const;
    QString countCaption() const;

    // Replaces everything; details beyond the given ones become empty.
    void replace(QStringList lines, const QStringList& details);
    bool append(const QString& line, const QString& detail);
    // Removes one line with its detail; the lines after it move up with theirs.
    void removeAt(int position);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QStringList m_lines;
    std::vector<QString> m_details;
};

} // namespace morvane
