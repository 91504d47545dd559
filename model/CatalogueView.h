#pragma once

#include "model/CatalogueRecord.h"

#include <QAbstractListModel>
#include <QStringList>

#include <functional>

namespace morvane {

class ItemCatalogue;

// The lines of the catalogue list: the names of the entries that passed the
// last search or filter, in catalogue order, each with copies of its entry's
// detail text and stack size. Nothing links a line back to its entry.
class CatalogueView : public QAbstractListModel {
    Q_OBJECT

public:
    static constexpr int kCapacity = 10001;
    using NameTest = std::function<bool(const QString& name)>;

    explicit CatalogueView(QObject* parent = nullptr);

    void rebuild(const ItemCatalogue& catalogue, const NameTest& test);
    void showAll(const ItemCatalogue& catalogue);
    bool isFull() const { return m_names.size() >= kCapacity; }
    bool appendLine(const CatalogueEntry& entry);
    void removeLastLine();

    int lineCount() const { return int(m_names.size()); }
    const QString& lineText(int line) const { return m_names.at(line); }
    const QString& viewDetail(int line) const { return m_details.at(line); }
    qint16 viewStack(int line) const { return m_stacks.at(line); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QStringList m_names;
    QStringList m_details;
    QList<qint16> m_stacks;
};

} // namespace morvane
