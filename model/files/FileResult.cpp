#include "model/files/FileResult.h"

#include <QDir>

namespace morvane {

QString FileResult::message() const
{
    return QDir::toNativeSeparators(m_path) + QStringLiteral("\n") + m_reason;
}

} // namespace morvane
