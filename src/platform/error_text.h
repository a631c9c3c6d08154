// The words for a failure of a file read or write, in one place: the POSIX
// reader and writer and the screens' writer all describe what went wrong
// through describeSystemError.
#pragma once

#include <string>

namespace dorvik {

// Not a number the system uses: the path names something that is not a
// regular file (a FIFO, a device, a socket), so it is neither read nor
// replaced. A folder is described as the system does (EISDIR).
inline constexpr int kNotARegularFile = -1;

// The description of an errno value, or of kNotARegularFile.
std::string describeSystemError(int error);

} // namespace dorvik
