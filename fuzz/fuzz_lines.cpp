// The line splitter and code page 932: lines are split as a plain reading of
// the rule splits them and go back to a file unchanged; text that decodes
// without a replacement character encodes back to bytes of the same
// characters, the very same bytes unless the line uses another of the codes
// a character has.
#include "FuzzCheck.h"
#include "model/text/CodePage932.h"
#include "model/text/EncodedLines.h"
#include "model/text/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const morvane::EncodedLines lines = morvane::EncodedLines::fromFileBytes(bytes);
    const std::vector<QByteArray> expected = referenceLines(bytes);
    require(lines.size() == int(expected.size()));
    QByteArray file;
    for (int k = 0; k < lines.size(); ++k) {
        require(lines.bytes(k) == expected[size_t(k)]);
        file += expected[size_t(k)] + "\r\n";
    }
    require(lines.fileBytes(lines.size()) == file);

    const QStringList texts = morvane::decodeLines(bytes);
    require(texts.size() == lines.size());
    for (int k = 0; k < lines.size(); ++k) {
        const QByteArray& line = expected[size_t(k)];
        require(texts[k] == morvane::cp932::decode(line));
        if (texts[k].contains(QChar::ReplacementCharacter))
            continue;
        const std::optional<QByteArray> encoded = morvane::cp932::encode(texts[k]);
        require(encoded && encoded->size() == line.size() && morvane::cp932::decode(*encoded) == texts[k]);
    }
    return 0;
}
