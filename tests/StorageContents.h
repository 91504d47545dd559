#pragma once

#include "model/text/CodePage932.h"
#include "model/text/EncodedLines.h"
#include "model/storage/Storage.h"

#include <QStringList>

#include <optional>

// A storage's contents as texts, to fill one and read it back in tests and
// benchmarks.

// The texts as their file holds them, none decoded yet; nothing when one
// cannot be stored.
inline std::optional<morvane::EncodedLines> encodeTexts(const QStringList& texts)
{
    morvane::EncodedLines encoded;
    for (const QString& text : texts) {
        const std::optional<QByteArray> bytes = morvane::cp932::encode(text);
        if (!bytes)
            return std::nullopt;
        encoded.append(*bytes);
    }
    return encoded;
}

// False when a text cannot be stored; the storage is then untouched.
inline bool fillStorage(morvane::Storage& storage, const QStringList& lines, const QStringList& details)
{
    std::optional<morvane::EncodedLines> encodedLines = encodeTexts(lines);
    std::optional<morvane::EncodedLines> encodedDetails = encodeTexts(details);
    if (!encodedLines || !encodedDetails)
        return false;
    storage.load(std::move(*encodedLines), std::move(*encodedDetails));
    return true;
}

// The details of the lines, as saving writes them.
inline QStringList storedDetails(const morvane::Storage& storage)
{
    QStringList details;
    for (int k = 0; k < storage.lineCount(); ++k)
        details << storage.detail(k);
    return details;
}
