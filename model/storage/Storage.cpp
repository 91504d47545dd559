#include "model/storage/Storage.h"

#include "model/text/CodePage932.h"

namespace morvane {
namespace {

// A line break inside a line would make two lines of it when its file is
// read again, and move every detail after it to the wrong line.
std::optional<QByteArray> encodeLine(const QString& text)
{
    if (text.contains(u'\r') || text.contains(u'\n'))
        return std::nullopt;
    return cp932::encode(text);
}

} // namespace

Storage::Storage(QObject* parent)
    : QAbstractListModel(parent)
{
}

QString Storage::detail(int position) const
{
    return position < m_details.size() ? m_details.text(position) : QString();
}

QString Storage::countCaption() const
{
    return QString::number(lineCount()) + QStringLiteral("個、入っています");
}

QByteArray Storage::detailFileBytes() const
{
    return m_details.fileBytes(lineCount());
}

void Storage::load(EncodedLines lines, EncodedLines details)
{
    beginResetModel();
    lines.truncate(kCapacity);
    details.truncate(kCapacity);
    // Every line has a detail slot, empty when its file gave none.
    details.padTo(lines.size());
    m_lines = std::move(lines);
    m_details = std::move(details);
    endResetModel();
}

void Storage::clear()
{
    load(EncodedLines(), EncodedLines());
}

Storage::AppendResult Storage::append(const QString& line, const QString& detail)
{
    if (isFull())
        return AppendResult::Full;
    const std::optional<QByteArray> lineBytes = encodeLine(line);
    const std::optional<QByteArray> detailBytes = encodeLine(detail);
    if (!lineBytes || !detailBytes)
        return AppendResult::NotStorable;
    const int row = lineCount();
    beginInsertRows(QModelIndex(), row, row);
    m_lines.append(*lineBytes);
    m_details.set(row, *detailBytes);
    endInsertRows();
    return AppendResult::Added;
}

bool Storage::appendFrom(const Storage& source, int position)
{
    if (isFull())
        return false;
    const int row = lineCount();
    beginInsertRows(QModelIndex(), row, row);
    m_lines.append(source.m_lines.bytes(position));
    m_details.set(row, source.m_details.bytes(position));
    endInsertRows();
    return true;
}

void Storage::removeAt(int position)
{
    if (position < 0 || position >= lineCount())
        return;
    beginRemoveRows(QModelIndex(), position, position);
    m_lines.removeAt(position);
    m_details.removeAt(position);
    endRemoveRows();
}

void Storage::reorder(const std::vector<int>& order)
{
    beginResetModel();
    m_lines.reorder(order);
    m_details.reorder(order);
    endResetModel();
}

bool Storage::sameDetail(int a, int b) const
{
    return m_details.bytes(a) == m_details.bytes(b);
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
        return m_lines.text(index.row());
    return {};
}

} // namespace morvane
