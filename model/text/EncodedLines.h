#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstring>
#include <deque>
#include <vector>

namespace morvane {

// Lines of code page 932 text kept as the bytes they have in their file and
// decoded only when read. Loading and saving a storage then cost no more
// than its bytes, and every line goes back to its file exactly as it came,
// including characters that have two codes in the code page.
class EncodedLines {
public:
    // Splits at CR LF, a lone CR or a lone LF. A code page 932 trail byte is
    // never one of these, so no character is ever cut in two.
    static EncodedLines fromFileBytes(QByteArray bytes);
    // Calls lineFound(position, length) for every line of the bytes, split
    // as fromFileBytes() splits them.
    template <typename LineFound>
    static void forEachLine(QByteArrayView bytes, LineFound lineFound);
    // No lines yet; appendSpan() picks them out of the given bytes.
    static EncodedLines sharing(QByteArray buffer);

    int size() const { return int(m_spans.size()); }
    // Valid until the lines next change; decoding other lines keeps it valid.
    const QString& text(int index) const;
    QStringList texts(int count) const;
    QByteArrayView bytes(int index) const;
    // The lines from 0 to count - 1, each followed by CR LF, as in a file.
    QByteArray fileBytes(int count) const;

    void append(QByteArrayView bytes);
    void appendSpan(qsizetype position, qsizetype length);
    void reserve(int lines) { m_spans.reserve(lines); }
    void set(int index, QByteArrayView bytes);
    void removeAt(int index);
    void truncate(int size);
    // Adds empty lines up to the given size.
    void padTo(int size);
    // Line k becomes the line that was at order[k].
    void reorder(const std::vector<int>& order);

private:
    struct Span {
        qsizetype position = 0;
        qsizetype length = 0;
    };

    // Texts already decoded, kept until the lines are rearranged. Only the
    // lines on screen are usually read, so the per-line part is kept small.
    void forgetDecodedTexts();

    QByteArray m_buffer;
    std::vector<Span> m_spans;
    mutable std::vector<int> m_decodedSlot; // per line: its place in m_decoded, or -1
    // A deque, so that decoding another line never moves a text handed out.
    mutable std::deque<QString> m_decoded;
};

template <typename LineFound>
void EncodedLines::forEachLine(QByteArrayView bytes, LineFound lineFound)
{
    const char* const begin = bytes.data();
    const char* const end = begin + bytes.size();
    const char* start = begin;
    const char* lineFeed = nullptr;
    while (start != end) {
        // memchr finds the line ends far faster than a loop over every byte;
        // a line feed found once serves every lone-CR line before it.
        if (!lineFeed || lineFeed < start) {
            lineFeed = static_cast<const char*>(std::memchr(start, '\n', end - start));
            if (!lineFeed)
                lineFeed = end;
        }
        const char* carriageReturn = static_cast<const char*>(std::memchr(start, '\r', lineFeed - start));
        const char* lineEnd = carriageReturn ? carriageReturn : lineFeed;
        lineFound(start - begin, lineEnd - start);
        if (lineEnd == end)
            break;
        start = lineEnd + 1;
        if (*lineEnd == '\r' && start != end && *start == '\n')
            ++start;
    }
}

} // namespace morvane
