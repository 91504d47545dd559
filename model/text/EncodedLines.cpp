#include "model/text/EncodedLines.h"

#include "model/text/CodePage932.h"

namespace morvane {

EncodedLines EncodedLines::fromFileBytes(QByteArray bytes)
{
    EncodedLines lines;
    lines.m_spans.reserve(bytes.size() / 16 + 1);
    forEachLine(bytes, [&lines](qsizetype position, qsizetype length) {
        lines.m_spans.push_back({position, length});
    });
    lines.m_buffer = std::move(bytes);
    return lines;
}

EncodedLines EncodedLines::sharing(QByteArray buffer)
{
    EncodedLines lines;
    lines.m_buffer = std::move(buffer);
    return lines;
}

void EncodedLines::forgetDecodedTexts()
{
    m_decodedSlot.clear();
    m_decoded.clear();
}

const QString& EncodedLines::text(int index) const
{
    if (m_decodedSlot.size() < m_spans.size())
        m_decodedSlot.resize(m_spans.size(), -1);
    int& slot = m_decodedSlot[index];
    if (slot < 0) {
        slot = int(m_decoded.size());
        m_decoded.push_back(cp932::decode(bytes(index)));
    }
    return m_decoded[slot];
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
}

void EncodedLines::appendSpan(qsizetype position, qsizetype length)
{
    m_spans.push_back({position, length});
}

void EncodedLines::set(int index, QByteArrayView bytes)
{
    padTo(index + 1);
    m_spans[index] = {m_buffer.size(), bytes.size()};
    m_buffer.append(bytes);
    forgetDecodedTexts();
}

void EncodedLines::removeAt(int index)
{
    m_spans.erase(m_spans.begin() + index);
    forgetDecodedTexts();
}

void EncodedLines::truncate(int size)
{
    if (size >= this->size())
        return;
    m_spans.resize(size);
    forgetDecodedTexts();
}

void EncodedLines::padTo(int size)
{
    if (size <= this->size())
        return;
    m_spans.resize(size, Span{m_buffer.size(), 0});
}

void EncodedLines::reorder(const std::vector<int>& order)
{
    std::vector<Span> spans;
    spans.reserve(order.size());
    for (const int from : order)
        spans.push_back(m_spans[from]);
    m_spans = std::move(spans);
    forgetDecodedTexts();
}

} // namespace morvane
