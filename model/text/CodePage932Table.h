#pragma once

#include <cstddef>

// The generated code page 932 tables (CodePage932Table.cpp); only
// CodePage932.cpp reads them.
namespace morvane::cp932 {

inline constexpr int kFirstTrailByte = 0x40;
inline constexpr int kLastTrailByte = 0xFC;
inline constexpr int kTrailBytes = kLastTrailByte - kFirstTrailByte + 1;
inline constexpr int kLeadBytes = (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1);

constexpr bool isLeadByte(int byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

constexpr bool isTrailByte(int byte)
{
    return byte >= kFirstTrailByte && byte <= kLastTrailByte && byte != 0x7F;
}

// Row of kPair for a lead byte.
constexpr int leadIndex(int leadByte)
{
    return leadByte <= 0x9F ? leadByte - 0x81 : leadByte - 0xE0 + (0x9F - 0x81 + 1);
}

struct EncodeException {
    char16_t character;
    unsigned short code; // one or two bytes, the first in the high byte; 0 when not written
};

extern const char16_t kSingleByte[256];
extern const char16_t kPair[kLeadBytes][kTrailBytes];
extern const EncodeException kEncodeExceptions[];
extern const std::size_t kEncodeExceptionCount;

} // namespace morvane::cp932
