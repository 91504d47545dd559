#include "model/catalogue/RegisteredItems.h"

#include "model/catalogue/ItemRecord.h"
#include "model/text/TextFile.h"

namespace morvane {

RegisteredItems::RegisteredItems(DataFolder folder)
    : m_folder(std::move(folder))
{
}

QString RegisteredItems::filePath() const
{
    return m_folder.filePath(kFileName);
}

CatalogueFileReport RegisteredItems::loadInto(ItemCatalogue& catalogue) const
{
    return catalogue.loadFile(filePath(), kRegisteredNullStackSize);
}

FileResult RegisteredItems::append(const ItemRecord& record) const
{
    return appendTextLine(filePath(), record.line(), m_folder.fileSystem());
}

} // namespace morvane
