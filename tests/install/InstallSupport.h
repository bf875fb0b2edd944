// What the installation tests share: command lines, one installed tree, the build's version.
#pragma once

#include <stdio.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/unit/TestDatabase.h"

namespace zelvaro::installtest {

namespace fs = std::filesystem;
using testsupport::readBytes;
using testsupport::TempFolder;

inline int run(const std::string& command) {
    return std::system(command.c_str());
}
inline bool hasCommand(const std::string& name) {
    return run("command -v " + name + " > /dev/null 2>&1") == 0;
}
// In single quotes, built by appending: GCC 12 warns wrongly about "'" + text.
inline std::string quoted(const fs::path& path) {
    std::string text = "'";
    return (text += path.string()) += '\'';
}

// What a command line prints on standard output, and its exit status (-1 when killed).
struct Output {
    int status = -1;
    std::string text;
};
inline Output capture(const std::string& command) {
    Output got;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return got;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        got.text.append(buffer, n);
    const int status = ::pclose(pipe);
    got.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return got;
}

// The pieces `text` lacks, one a line: "" when it has them all.
inline std::string missing(const std::string& text, const std::vector<std::string>& pieces) {
    std::string lacking;
    for (const std::string& piece : pieces) {
        if (text.find(piece) == std::string::npos) lacking += piece + '\n';
    }
    return lacking;
}

// The version CMake's project() gave the build, read from the build's cache.
inline std::string projectVersion() {
    return capture("sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' " ZELVARO_BUILD_DIR
                   "/CMakeCache.txt | tr -d '\\n'")
        .text;
}

// One `cmake --install` of this build for the whole run, only read; "" when it failed.
inline fs::path installedTree() {
    static TempFolder folder;
    static const bool installed = run(ZELVARO_CMAKE " --install " ZELVARO_BUILD_DIR " --prefix " +
                                      quoted(folder.path()) + " > /dev/null") == 0;
    return installed ? folder.path() : fs::path();
}

}  // namespace zelvaro::installtest
