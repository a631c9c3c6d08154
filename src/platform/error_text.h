// The words for a failure of a file read or write, in one place and in the
// program's language: the POSIX reader and writer and the screens' writer
// all describe what went wrong through describeSystemError.
#pragma once

#include <string>
#include <string_view>

namespace dorvik {

// Failures the system has no number of its own for (all negative, so never
// an errno value):
// - the path names something that is not a regular file (a FIFO, a device,
//   a socket), so it is neither read nor replaced; a folder is EISDIR;
inline constexpr int kNotARegularFile = -1;
// - the file is there and may not be written;
inline constexpr int kReadOnlyFile = -2;
// - the file's folder may not be written: a file in it, even a writable
//   one, cannot be replaced safely (the new file is made beside it first).
inline constexpr int kReadOnlyFolder = -3;

// The description of an errno value or of one of the failures above, in
// the program's words; for a value it has no words of its own for, the
// system's own text after a sentence of the program's.
std::string describeSystemError(int error);

// The same for a failure known only by a library's own text.
std::string describeOtherFailure(std::string_view text);

} // namespace dorvik
