#pragma once

#include "model/text/CodePage932.h"
#include "model/text/EncodedLines.h"
#include "model/storage/Storage.h"

#include <QStringList>

// A storage's contents as texts, to fill one and read it back in tests and
// benchmarks. False when a text cannot be stored; the storage is then untouched.
inline bool fillStorage(morvane::Storage& storage, const QStringList& lines, const QStringList& details)
{
    morvane::EncodedLines encodedLines;
    morvane::EncodedLines encodedDetails;
    for (const auto& [texts, encoded] : {std::pair{&lines, &encodedLines}, std::pair{&details, &encodedDetails}}) {
        for (const QString& text : *texts) {
            const std::optional<QByteArray> bytes = morvane::cp932::encode(text);
            if (!bytes)
                return false;
            encoded->append(*bytes);
        }
    }
    storage.load(std::move(encodedLines), std::move(encodedDetails));
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
