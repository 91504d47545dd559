#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// Code page 932 (Windows Shift-JIS), the encoding of every data file. The
// conversion is a table built into the program, so it is there on every
// platform and gives the same bytes for the same text everywhere.
namespace morvane::cp932 {

// Never fails: a byte or pair that stands for no character reads as U+FFFD,
// one for each, and a lead byte whose pair is cut short reads as U+FFFD on
// its own, the next byte being read afresh.
QString decode(QByteArrayView bytes);

// Empty when the text holds a character the code page cannot hold: writing
// it would silently change the text.
std::optional<QByteArray> encode(QStringView text);

bool canEncode(QStringView text);

} // namespace morvane::cp932
