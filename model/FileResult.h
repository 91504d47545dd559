#pragma once

#include <QString>

namespace morvane {

// Outcome of a write. Callers must look at it: a failed write must never
// pass for a successful one.
class [[nodiscard]] FileResult {
public:
    static FileResult success() { return FileResult(); }
    static FileResult failure(QString path, QString reason)
    {
        FileResult result;
        result.m_ok = false;
        result.m_path = std::move(path);
        result.m_reason = std::move(reason);
        return result;
    }

    bool ok() const { return m_ok; }
    const QString& path() const { return m_path; }
    const QString& reason() const { return m_reason; }

private:
    bool m_ok = true;
    QString m_path;
    QString m_reason;
};

} // namespace morvane
