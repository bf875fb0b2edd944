// What the installation tests share: running a command line, the project's version as the
// build configured it, and the names every installation test uses.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/unit/TestDatabase.h"

namespace zelvaro::testsupport {

inline int run(const std::string& command) {
    return std::system(command.c_str());
}

// Whether `name` is a command on the PATH.
inline bool hasCommand(const std::string& name) {
    return run("command -v " + name + " > /dev/null 2>&1") == 0;
}

// The exit status of a command line run by run(), or -1 when it did not exit by itself.
inline int exitStatus(int systemResult) {
    return WIFEXITED(systemResult) ? WEXITSTATUS(systemResult) : -1;
}

inline std::string quoted(const std::filesystem::path& path) {
    std::string text = "'";
    text += path.string();
    text += '\'';
    return text;
}

// The build folder; ZELVARO_BUILD_DIR carries it in quotes, ready for a command line.
inline std::filesystem::path buildFolder() {
    std::string folder = ZELVARO_BUILD_DIR;
    if (folder.size() >= 2 && folder.front() == '"' && folder.back() == '"')
        folder = folder.substr(1, folder.size() - 2);
    return folder;
}

// The version CMake's project() gave the build, read from the build's cache.
inline std::string projectVersion(const std::filesystem::path& buildFolder) {
    std::ifstream cache(buildFolder / "CMakeCache.txt");
    const std::string key = "CMAKE_PROJECT_VERSION:STATIC=";
    for (std::string line; std::getline(cache, line);) {
        if (line.starts_with(key)) return line.substr(key.size());
    }
    return {};
}

}  // namespace zelvaro::testsupport

namespace zelvaro::installtest {

namespace fs = std::filesystem;
using testsupport::exitStatus;
using testsupport::hasCommand;
using testsupport::quoted;
using testsupport::readBytes;
using testsupport::run;
using testsupport::TempFolder;

}  // namespace zelvaro::installtest
