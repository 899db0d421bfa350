// Arbitrary bytes through the property-list decoder (XML and binary, with its
// depth, size and structure guards), then encoded back when they decoded: the
// decoded value must always be something the encoder can carry.
#include "foundation/NSObject.h"
#include "foundation/PropertyList.h"
#include "foundation/SystemLog.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool const ready = [] {
        foundation::registerClasses();
        systemlog::setWritesToStandardError(false);
        return true;
    }();
    (void)ready;
    AutoreleasePool pool;
    std::string error;
    id decoded = foundation::decodePropertyList(data, size, &error);
    if (!decoded)
        return 0;
    auto encoded = foundation::encodePropertyListBinary(decoded);
    // Text that is not UTF-8 may come in from a file; only such text may keep it
    // from going back out.
    if (encoded.empty())
        return 0;
    if (!foundation::decodePropertyList(encoded.data(), encoded.size(), &error))
        std::abort();
    return 0;
}
