// libFuzzer entry: bytes in, Open's road, its invariants checked.
#include "fileroadcheck.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString broken = checkFileRoad(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "file road broken: %s\n", qPrintable(broken));
        std::abort();
    }
    return 0;
}
