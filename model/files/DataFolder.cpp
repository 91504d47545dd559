#include "model/files/DataFolder.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace morvane {

DataFolder::DataFolder(QString path, FileSystem& fileSystem)
    : m_path(std::move(path))
    , m_fileSystem(&fileSystem)
{
    if (!m_path.endsWith(u'/'))
        m_path += u'/';
}

DataFolder DataFolder::besideExecutable()
{
    return DataFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/data/"));
}

bool DataFolder::exists() const
{
    return QFileInfo(m_path).isDir();
}

} // namespace morvane
