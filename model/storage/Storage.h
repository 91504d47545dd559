#pragma once

#include "model/Capacity.h"
#include "model/text/EncodedLines.h"

#include <QAbstractListModel>
#include <QStringList>

#include <vector>

namespace morvane {

// One storage of the current character (the Mog safe or the bag): display
// lines, each with the detail text at the same position. Details the files
// hold beyond the last line are kept in their slots but never shown or saved.
class Storage : public QAbstractListModel {
    Q_OBJECT

public:
    static constexpr int kCapacity = kListCapacity;

    enum class AppendResult { Added, Full, NotStorable };

    explicit Storage(QObject* parent = nullptr);

    int lineCount() const { return m_lines.size(); }
    bool isFull() const { return lineCount() >= kCapacity; }
    QString line(int position) const { return m_lines.text(position); }
    QString detail(int position) const;
    QStringList lines() const { return m_lines.texts(lineCount()); }
    QString countCaption() const;

    // The two files' contents as saving writes them.
    QByteArray listFileBytes() const { return m_lines.fileBytes(lineCount()); }
    QByteArray detailFileBytes() const;

    // Replaces everything with what the files hold; at most kCapacity of each.
    void load(EncodedLines lines, EncodedLines details);
    void clear();
    AppendResult append(const QString& line, const QString& detail);
    // Appends line `position` of another storage with its detail, unchanged.
    bool appendFrom(const Storage& source, int position);
    // Removes one line with its detail; the lines after it move up with theirs.
    void removeAt(int position);
    // Line k becomes the line that stood at order[k], its detail with it.
    void reorder(const std::vector<int>& order);
    // Whether two lines carry the same detail (compared as stored).
    bool sameDetail(int a, int b) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    EncodedLines m_lines;
    EncodedLines m_details;
};

} // namespace morvane
