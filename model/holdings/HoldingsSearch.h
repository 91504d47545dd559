#pragma once

#include "model/catalogue/WildcardPattern.h"
#include "model/files/DataFolder.h"
#include "model/holdings/Holdings.h"
#include "model/storage/StorageKinds.h"

#include <QStringList>

#include <optional>

namespace morvane {

// The character whose storages the main window holds, with them as they are
// now, unsaved changes included.
struct ChosenCharacter {
    QString name;
    ConstStorageSet storages;
};

// What one search covers: every character of the roster, each once.
struct HoldingsScope {
    DataFolder folder;
    QStringList roster;
    std::optional<ChosenCharacter> chosen;
};

// Finds the stored lines whose item name (the text before the first tab)
// matches the text as the catalogue's search matches it ("*" + text + "*").
// The chosen character's lines are taken from its storages, every other
// character's from its files, which are only read: nothing is written,
// renamed or deleted, and a save cut short is read as it will be completed
// rather than completed or undone. Missing files hold nothing; a character
// whose files cannot be read gets a row saying so, and its readable
// storages are searched.
Holdings searchHoldings(const HoldingsScope& scope, const QString& text, WildcardPattern::Matching matching);

} // namespace morvane
