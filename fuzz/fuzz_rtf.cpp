// The read-me and guide reader on any bytes: it must end, without a crash, on every input.
#include "FuzzSupport.h"

#include "about/RtfReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const RtfDocument doc = RtfReader::read(Fuzz::bytes(data, size));
    (void)doc.plainText();
    return 0;
}
