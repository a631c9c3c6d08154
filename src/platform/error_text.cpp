#include "platform/error_text.h"

#include <cerrno>
#include <cstring>

namespace dorvik {

std::string describeSystemError(int error)
{
    switch (error) {
    case kNotARegularFile: return "ne e obicna datoteka";
    case kReadOnlyFile: return "datotekata e samo za citanje";
    case kReadOnlyFolder:
        return "papkata e samo za citanje, pa datotekata vo nea ne moze bezbedno da se "
               "zameni: snimete ja vo druga papka";
    case ENOENT: return "takva datoteka ili papka ne postoi";
    case EACCES:
    case EPERM: return "nema dozvola za pristap";
    case EROFS: return "diskot e samo za citanje";
    case ENOSPC:
    case EDQUOT: return "nema mesto na diskot";
    case ENAMETOOLONG: return "imeto e predolgo";
    case EISDIR: return "ova e papka, a ne datoteka";
    case ENOTDIR: return "del od patekata ne e papka";
    case EIO: return "greska pri citanje ili zapisuvanje na diskot";
    case EBUSY:
    case ETXTBSY: return "datotekata e zafatena";
    case EMFILE:
    case ENFILE: return "otvoreni se premnogu datoteki";
    case ELOOP: return "patekata ima premnogu simbolicki vrski";
    case ENOMEM: return "nema dovolno memorija";
    default: return describeOtherFailure(std::strerror(error));
    }
}

std::string describeOtherFailure(std::string_view text)
{
    std::string description = "neocekuvana greska na sistemot (";
    description += text;
    description += ")";
    return description;
}

} // namespace dorvik
