// A libFuzzer harness over one property (PROPERTY, set by the build).
#include "properties.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    dorvik::fuzz::PROPERTY({reinterpret_cast<const char*>(data), size});
    return 0;
}
