#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// The matcher fuzzers' input: UTF-16 units (little endian), the pattern, a
// unit 0, then the name. Each is cut to 64 units, which keeps the plainly
// written matchers they are compared against fast.
struct PatternInput {
    QString pattern;
    QString text;
};

inline PatternInput patternInput(const uint8_t* data, size_t size)
{
    constexpr qsizetype kMaxUnits = 64;
    const QString input = QString::fromUtf16(reinterpret_cast<const char16_t*>(data), qsizetype(size / 2));
    const qsizetype split = input.indexOf(QChar(0));
    return {input.left(qMin(split < 0 ? input.size() : split, kMaxUnits)),
            split < 0 ? QString() : input.mid(split + 1, kMaxUnits)};
}
