#pragma once

#include "model/Capacity.h"
#include <QAbstractListModel>

#include <functional>
#include <vector>

namespace morvane {

class ItemCatalogue;

// The lines of the catalogue list: the entries that passed the last search
// or filter, in catalogue order. A line's text, detail and stack size are
// those of its entry, which never changes once loaded or registered.
class CatalogueView : public QAbstractListModel {
    Q_OBJECT

public:
    static constexpr int kCapacity = kListCapacity;
    using NameTest = std::function<bool(const QString& name)>;

    explicit CatalogueView(const ItemCatalogue& catalogue, QObject* parent = nullptr);

    void rebuild(const NameTest& test);
    void showAll();
    bool isFull() const { return lineCount() >= kCapacity; }
    // Shows the catalogue's last entry as a new last line.
    bool appendLastEntry();

    int lineCount() const { return int(m_entries.size()); }
    QString lineText(int line) const;
    QString viewDetail(int line) const;
    qint16 viewStack(int line) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const ItemCatalogue& m_catalogue;
    std::vector<int> m_entries; // entry position of each line
};

} // namespace morvane
