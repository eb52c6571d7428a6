// Runs a shell command line for a test and collects what it writes to stdout and stderr.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace qbx::test {

// The command's exit code (-1 when it did not exit normally); `output` gets stdout and stderr.
inline int RunProgram(const std::string& commandLine, std::string& output)
{
    FILE* pipe = ::popen((commandLine + " 2>&1").c_str(), "r");
    output.clear();
    if (!pipe)
        return -1;
    std::array<char, 4096> buffer {};
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), n);
    int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// What the command wrote; empty when it failed.
inline std::string ProgramOutput(const std::string& commandLine)
{
    std::string output;
    return RunProgram(commandLine, output) == 0 ? output : std::string();
}

} // namespace qbx::test
