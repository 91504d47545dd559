#include "model/catalogue/CatalogueView.h"

#include "model/catalogue/ItemCatalogue.h"

#include <numeric>

namespace morvane {

CatalogueView::CatalogueView(const ItemCatalogue& catalogue, QObject* parent)
    : QAbstractListModel(parent)
    , m_catalogue(catalogue)
{
}

void CatalogueView::rebuild(const NameTest& test)
{
    beginResetModel();
    m_entries.clear();
    int position = 0;
    m_catalogue.visitNames([&](const QString& name) {
        if (test(name))
            m_entries.push_back(position);
        ++position;
        return lineCount() < kCapacity;
    });
    endResetModel();
}

void CatalogueView::showAll()
{
    beginResetModel();
    m_entries.resize(qMin(m_catalogue.entryCount(), kCapacity));
    std::iota(m_entries.begin(), m_entries.end(), 0);
    endResetModel();
}

bool CatalogueView::appendLastEntry()
{
    if (isFull() || m_catalogue.entryCount() == 0)
        return false;
    const int row = lineCount();
    beginInsertRows(QModelIndex(), row, row);
    m_entries.push_back(m_catalogue.entryCount() - 1);
    endInsertRows();
    return true;
}

QString CatalogueView::lineText(int line) const
{
    return m_catalogue.name(m_entries[line]);
}

QString CatalogueView::viewDetail(int line) const
{
    return m_catalogue.detail(m_entries[line]);
}

qint16 CatalogueView::viewStack(int line) const
{
    return m_catalogue.stackSize(m_entries[line]);
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
        return lineText(index.row());
    return {};
}

} // namespace morvane
