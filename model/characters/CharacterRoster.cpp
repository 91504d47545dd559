#include "model/characters/CharacterRoster.h"

namespace morvane {

CharacterRoster::CharacterRoster(DataFolder folder)
    : m_folder(std::move(folder))
{
}

QString CharacterRoster::filePath() const
{
    return m_folder.filePath(kFileName);
}

FileResult CharacterRoster::load(const Recovery& recovery)
{
    FileLines file = readTextFile(m_folder.filePath(recovery.fileToRead(kFileName)));
    m_names = std::move(file.lines);
    return file.result;
}

FileResult CharacterRoster::append(const QString& name)
{
    FileResult result = appendTextLine(filePath(), name, m_folder.fileSystem());
    if (result.ok())
        m_names.append(name);
    return result;
}

FileResult CharacterRoster::removeAt(int position)
{
    QStringList remaining = m_names;
    if (position >= 0 && position < remaining.size())
        remaining.removeAt(position);
    FileResult result = writeTextFile(filePath(), remaining, m_folder.fileSystem());
    if (result.ok())
        m_names = remaining;
    return result;
}

} // namespace morvane
