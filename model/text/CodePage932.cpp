#include "model/text/CodePage932.h"

#include "model/text/CodePage932Table.h"

#include <array>
#include <memory>

namespace morvane::cp932 {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

// For every UTF-16 unit, its one or two bytes (the first in the high byte),
// or 0 when it has none. U+0000 is the one character written as byte 0.
using EncodeTable = std::array<unsigned short, 0x10000>;

std::unique_ptr<const EncodeTable> buildEncodeTable()
{
    auto table = std::make_unique<EncodeTable>();
    table->fill(0);
    // A character with several codes is written with its first one unless
    // the exceptions say otherwise.
    for (int byte = 0xFF; byte >= 0; --byte)
        if (kSingleByte[byte] != kReplacement)
            (*table)[kSingleByte[byte]] = static_cast<unsigned short>(byte);
    for (int lead = 0xFF; lead >= 0; --lead) {
        if (!isLeadByte(lead))
            continue;
        for (int trail = kLastTrailByte; trail >= kFirstTrailByte; --trail) {
            const char16_t character = kPair[leadIndex(lead)][trail - kFirstTrailByte];
            if (isTrailByte(trail) && character != kReplacement)
                (*table)[character] = static_cast<unsigned short>((lead << 8) | trail);
        }
    }
    for (std::size_t k = 0; k < kEncodeExceptionCount; ++k)
        (*table)[kEncodeExceptions[k].character] = kEncodeExceptions[k].code;
    return table;
}

const EncodeTable& encodeTable()
{
    static const std::unique_ptr<const EncodeTable> table = buildEncodeTable();
    return *table;
}

} // namespace

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* const begin = text.data();
    QChar* out = begin;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            *out++ = QChar(char16_t(byte));
        } else if (!isLeadByte(byte)) {
            *out++ = QChar(kSingleByte[byte]);
        } else if (i + 1 < size && isTrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
            const auto trail = static_cast<unsigned char>(bytes[++i]);
            *out++ = QChar(kPair[leadIndex(byte)][trail - kFirstTrailByte]);
        } else {
            *out++ = QChar(kReplacement);
        }
    }
    text.truncate(out - begin);
    return text;
}

std::optional<QByteArray> encode(QStringView text)
{
    const EncodeTable& table = encodeTable();
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == 0) {
            bytes.append('\0');
            continue;
        }
        const unsigned short code = table[unit];
        if (code == 0)
            return std::nullopt;
        if (code > 0xFF)
            bytes.append(static_cast<char>(code >> 8));
        bytes.append(static_cast<char>(code & 0xFF));
    }
    return bytes;
}

bool canEncode(QStringView text)
{
    const EncodeTable& table = encodeTable();
    for (const QChar c : text)
        if (c.unicode() != 0 && table[c.unicode()] == 0)
            return false;
    return true;
}

} // namespace morvane::cp932
