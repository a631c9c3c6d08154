// A batch program run as a script runs it: in a temporary folder, today's
// date fixed with faketime, its output and exit status caught.
#pragma once

#include "temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace dorvik::testing {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// program: the path of the program; args as the shell would take them.
inline Outcome runTool(const TempDir& dir, const std::string& program, const std::string& args)
{
    const std::string out = dir.file(".out"), err = dir.file(".err-text");
    // A run that hangs is ended, and fails its test.
    const std::string command = "cd '" + dir.path().string() + "' && timeout -s KILL 20 "
                                FAKETIME_PROGRAM " '2003-06-15 12:00:00' " + program + " " + args
                                + " >'" + out + "' 2>'" + err + "'";
    const int raw = std::system(command.c_str());
    Outcome outcome{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readBytes(out), readBytes(err)};
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return outcome;
}

} // namespace dorvik::testing
