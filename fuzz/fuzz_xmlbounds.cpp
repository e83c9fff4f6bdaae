// The nesting guard's byte scan against a real XML reader: on every document the reader takes
// whole, both must find the same deepest nesting (documents with a type declaration are left
// out, as entities declared there can nest elements the scan does not expand).
#include "datafiles/XmlFile.h"

#include <QXmlStreamReader>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const XmlBounds::Nesting scanned = XmlBounds::nesting(bytes, 1 << 20);
    if (bytes.contains("<!DOCTYPE"))
        return 0;
    QXmlStreamReader reader(bytes);
    reader.setNamespaceProcessing(false);
    int depth = 0;
    int deepest = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement)
            deepest = std::max(deepest, ++depth);
        else if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    if (!reader.hasError() && scanned.depth != deepest)
        std::abort();
    return 0;
}
