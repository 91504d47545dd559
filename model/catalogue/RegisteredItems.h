#pragma once

#include "model/files/DataFolder.h"
#include "model/files/FileResult.h"
#include "model/catalogue/ItemCatalogue.h"

namespace morvane {

struct ItemRecord;

// The items the player registered: item.dat, one catalogue record a line,
// read after the seed catalogue at start-up and only ever appended to.
class RegisteredItems {
public:
    static inline const QString kFileName = QStringLiteral("item.dat");

    explicit RegisteredItems(DataFolder folder);

    CatalogueFileReport loadInto(ItemCatalogue& catalogue) const;
    FileResult append(const ItemRecord& record) const;

private:
    QString filePath() const;

    DataFolder m_folder;
};

} // namespace morvane
