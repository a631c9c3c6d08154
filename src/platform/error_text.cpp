#include "platform/error_text.h"

#include <cstring>

namespace dorvik {

std::string describeSystemError(int error)
{
    if (error == kNotARegularFile)
        return "ne e obicna datoteka";
    return std::strerror(error);
}

} // namespace dorvik
