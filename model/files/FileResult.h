#pragma once

#include <QString>

namespace morvane {

// Outcome of reading or writing one file of the data folder. Callers must
// look at it: a failed write must never pass for a successful one. A missing
// file is no failure: for reading it is the normal state of a new character
// or roster.
class [[nodiscard]] FileResult {
public:
    enum class Outcome { Done, Missing, Failed };

    static FileResult success() { return FileResult(); }
    static FileResult missing(QString path) { return FileResult(Outcome::Missing, std::move(path), {}); }
    static FileResult failure(QString path, QString reason)
    {
        return FileResult(Outcome::Failed, std::move(path), std::move(reason));
    }

    bool ok() const { return m_outcome != Outcome::Failed; }
    bool isMissing() const { return m_outcome == Outcome::Missing; }
    const QString& path() const { return m_path; }
    const QString& reason() const { return m_reason; }
    // The file as the player's system writes paths, then why it failed.
    QString message() const;

private:
    FileResult() = default;
    FileResult(Outcome outcome, QString path, QString reason)
        : m_outcome(outcome)
        , m_path(std::move(path))
        , m_reason(std::move(reason))
    {
    }

    Outcome m_outcome = Outcome::Done;
    QString m_path;
    QString m_reason;
};

} // namespace morvane
