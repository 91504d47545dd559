#include "model/Storage.h"

namespace morvane {

Storage::Storage(QObject* parent)
    : QAbstractListModel(parent)
    , m_details(kCapacity)
{
}

QStringList Storage::detailsInUse() const
{
    return QStringList(m_details.begin(), m_details.begin() + lineCount());
}

QString Storage::countCaption() const
{
    return QString::number(lineCount()) + QStringLiteral("個、入っています");
}

void Storage::replace(QStringList lines, const QStringList& details)
{
    beginResetModel();
    if (lines.size() > kCapacity)
        lines.resize(kCapacity);
    m_lines = std::move(lines);
    const qsizetype filled = qMin<qsizetype>(details.size(), kCapacity);
    for (qsizetype k = 0; k < kCapacity; ++k)
        m_details[k] = k < filled ? details.at(k) : QString();
    endResetModel();
}

bool Storage::append(const QString& line, const QString& detail)
{
    if (isFull())
        return false;
    const int row = lineCount();
    beginInsertRows(QModelIndex(), row, row);
    m_lines.append(line);
    m_details[row] = detail;
    endInsertRows();
    return true;
}

void Storage::removeAt(int position)
{
    if (position < 0 || position >= lineCount())
        return;
    beginRemoveRows(QModelIndex(), position, position);
    m_lines.removeAt(position);
    std::move(m_details.begin() + position + 1, m_details.begin() + lineCount() + 1,
              m_details.begin() + position);
    m_details[lineCount()].clear();
    endRemoveRows();
}

int Storage::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : lineCount();
}

QVariant Storage::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= lineCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return m_lines.at(index.row());
    return {};
}

} // namespace morvane
