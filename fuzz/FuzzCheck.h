#pragma once

#include <QByteArray>

#include <cstdlib>
#include <vector>

// What the fuzzers share: the plain reading of the line rule their checks
// compare against, and the check that turns a broken promise into a crash
// libFuzzer reports with its input.

inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

// CR LF, a lone CR and a lone LF each end a line; a last line without an end
// still counts, and a final line end adds no empty line.
inline std::vector<QByteArray> referenceLines(const QByteArray& bytes)
{
    std::vector<QByteArray> lines;
    QByteArray line;
    bool open = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            open = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            line.append(c);
            open = true;
        }
    }
    if (open)
        lines.push_back(line);
    return lines;
}
