#include "model/files/DataFolder.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace morvane {

DataFolder::DataFolder(QString path)
    : m_path(std::move(path))
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
