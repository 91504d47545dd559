#include "model/CatalogueView.h"

#include "model/ItemCatalogue.h"

namespace morvane {

CatalogueView::CatalogueView(QObject* parent)
    : QAbstractListModel(parent)
{
}

void CatalogueView::rebuild(const ItemCatalogue& catalogue, const NameTest& test)
{
    beginResetModel();
    m_names.clear();
    m_details.clear();
    m_stacks.clear();
    const qsizetype expected = qMin(catalogue.entryCount(), kCapacity);
    m_names.reserve(expected);
    m_details.reserve(expected);
    m_stacks.reserve(expected);
    for (int i = 0; i < catalogue.entryCount() && m_names.size() < kCapacity; ++i) {
        const CatalogueEntry& entry = catalogue.entry(i);
        if (!test(entry.name))
            continue;
        m_names.append(entry.name);
        m_details.append(entry.detail);
        m_stacks.append(entry.stackSize);
    }
    endResetModel();
}

void CatalogueView::showAll(const ItemCatalogue& catalogue)
{
    rebuild(catalogue, [](const QString&) { return true; });
}

bool CatalogueView::appendLine(const CatalogueEntry& entry)
{
    if (isFull())
        return false;
    const int row = lineCount();
    beginInsertRows(QModelIndex(), row, row);
    m_names.append(entry.name);
    m_details.append(entry.detail);
    m_stacks.append(entry.stackSize);
    endInsertRows();
    return true;
}

void CatalogueView::removeLastLine()
{
    if (m_names.isEmpty())
        return;
    const int row = lineCount() - 1;
    beginRemoveRows(QModelIndex(), row, row);
    m_names.removeLast();
    m_details.removeLast();
    m_stacks.removeLast();
    endRemoveRows();
}

int CatalogueView::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : lineCount();
}

QVariant CatalogueView::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= lineCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return m_names.at(index.row());
    return {};
}

} // namespace morvane
