// What the harnesses share: boxes that confirm everything and a check that
// stops the fuzzer with a message when an expectation does not hold.
#pragma once

#include "platform/user_boxes.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace dorvik::fuzz {

class ConfirmingBoxes : public UserBoxes {
public:
    std::vector<std::string> texts;

    Answer message(const MessageRequest& request) override
    {
        texts.push_back(request.text);
        return request.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    std::string input(const InputRequest&) override { return {}; }
    std::string openFile(const FileDialogRequest&) override { return {}; }
};

[[noreturn]] inline void failed(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: expectation failed: %s\n", file, line, what);
    std::abort();
}

} // namespace dorvik::fuzz

#define FUZZ_REQUIRE(condition)                                                    \
    do {                                                                           \
        if (!(condition))                                                          \
            ::dorvik::fuzz::failed(#condition, __FILE__, __LINE__);                \
    } while (false)
