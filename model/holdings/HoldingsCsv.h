#pragma once

#include "model/holdings/Holdings.h"

#include <QByteArray>

#include <vector>

namespace morvane {

// The rows, in the given order, as a file spreadsheet programs open: UTF-8
// with a byte order mark (without one, spreadsheets on Japanese Windows read
// it as Shift-JIS), a header line, CR LF line ends, and a field quoted only
// when it holds a comma, a quote or a line break, its quotes doubled.
// Columns: キャラクター, 場所, アイテム, 個数 as shown, and 詳細, the detail's
// display lines joined by " / ".
QByteArray holdingsCsv(const Holdings& holdings, const std::vector<int>& rows);

} // namespace morvane
