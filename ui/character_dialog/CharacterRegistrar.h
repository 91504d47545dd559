#pragma once

#include <QString>

namespace morvane {

// What the add-character dialog needs of the main window.
class CharacterRegistrar {
public:
    virtual ~CharacterRegistrar() = default;

    // Appends the name to the roster and its file and makes it the current
    // character. Returns false when the name was not kept; the registrar has
    // told the user why.
    virtual bool addCharacter(const QString& name) = 0;
};

} // namespace morvane
