#include "model/EncodedLines.h"

#include <QStringEncoder>

#include <cstring>

namespace morvane {

EncodedLines EncodedLines::fromFileBytes(QByteArray bytes)
{
    EncodedLines lines;
    const char* const begin = bytes.constData();
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
        const char* stop = lineFeed;
        const char* carriageReturn = static_cast<const char*>(std::memchr(start, '\r', stop - start));
        const char* lineEnd = carriageReturn ? carriageReturn : stop;
        lines.m_spans.push_back({start - begin, lineEnd - start});
        if (lineEnd == end)
            break;
        start = lineEnd + 1;
        if (*lineEnd == '\r' && start != end && *start == '\n')
            ++start;
    }
    lines.m_buffer = std::move(bytes);
    lines.m_decoded.resize(lines.m_spans.size());
    return lines;
}

EncodedLines EncodedLines::sharing(QByteArray buffer)
{
    EncodedLines lines;
    lines.m_buffer = std::move(buffer);
    return lines;
}

std::optional<QByteArray> EncodedLines::encode(const QString& text)
{
    QStringEncoder encoder("windows-31j");
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError() || !text.isValidUtf16())
        return std::nullopt;
    return bytes;
}

QString EncodedLines::text(int index) const
{
    std::optional<QString>& decoded = m_decoded[index];
    if (!decoded) {
        m_decoder.resetState();
        decoded = m_decoder.decode(bytes(index));
    }
    return *decoded;
}

QStringList EncodedLines::texts(int count) const
{
    QStringList result;
    result.reserve(count);
    for (int k = 0; k < count; ++k)
        result.append(text(k));
    return result;
}

QByteArrayView EncodedLines::bytes(int index) const
{
    const Span& span = m_spans[index];
    return QByteArrayView(m_buffer.constData() + span.position, span.length);
}

QByteArray EncodedLines::fileBytes(int count) const
{
    qsizetype total = 0;
    for (int k = 0; k < count; ++k)
        total += m_spans[k].length + 2;
    QByteArray file(total, Qt::Uninitialized);
    char* out = file.data();
    for (int k = 0; k < count; ++k) {
        const QByteArrayView line = bytes(k);
        std::memcpy(out, line.data(), line.size());
        out += line.size();
        *out++ = '\r';
        *out++ = '\n';
    }
    return file;
}

void EncodedLines::append(QByteArrayView bytes)
{
    m_spans.push_back({m_buffer.size(), bytes.size()});
    m_buffer.append(bytes);
    m_decoded.emplace_back();
}

void EncodedLines::appendSpan(qsizetype position, qsizetype length)
{
    m_spans.push_back({position, length});
    m_decoded.emplace_back();
}

void EncodedLines::set(int index, QByteArrayView bytes)
{
    padTo(index + 1);
    m_spans[index] = {m_buffer.size(), bytes.size()};
    m_buffer.append(bytes);
    m_decoded[index].reset();
}

void EncodedLines::removeAt(int index)
{
    m_spans.erase(m_spans.begin() + index);
    m_decoded.erase(m_decoded.begin() + index);
}

void EncodedLines::truncate(int size)
{
    if (size >= this->size())
        return;
    m_spans.resize(size);
    m_decoded.resize(size);
}

void EncodedLines::padTo(int size)
{
    if (size <= this->size())
        return;
    m_spans.resize(size, Span{m_buffer.size(), 0});
    m_decoded.resize(size);
}

void EncodedLines::reorder(const std::vector<int>& order)
{
    std::vector<Span> spans;
    std::vector<std::optional<QString>> decoded;
    spans.reserve(order.size());
    decoded.reserve(order.size());
    for (const int from : order) {
        spans.push_back(m_spans[from]);
        decoded.push_back(std::move(m_decoded[from]));
    }
    m_spans = std::move(spans);
    m_decoded = std::move(decoded);
}

void EncodedLines::clear()
{
    m_buffer.clear();
    m_spans.clear();
    m_decoded.clear();
}

} // namespace morvane
