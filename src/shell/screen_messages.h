// Message texts that both screens show, exact.
#pragma once

namespace dorvik {

inline constexpr const char* kFirstRecordMessage =
    "Dojdovte do prvata  prijava, mozete samo da se navratite na predhodnite prijavi";
inline constexpr const char* kLastRecordMessage =
    "Dojdovte do krajnata prijava, mozete samo da se navratite na predhodnite prijavi";
inline constexpr const char* kStoreFullMessage =
    "Datotekata vekje ima 32767 prijavi i nemoze da primi nova prijava.";

} // namespace dorvik
