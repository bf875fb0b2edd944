// zelvaro-sim started from a shell command line, as a player or a script starts it.
#pragma once

#include <stdio.h>
#include <sys/wait.h>

#include <string>

namespace zelvaro {

struct SimRun {
    int status = -1;
    std::string out;  // stdout and stderr together, without the lines of its timings
};

// zelvaro-sim with `args`; a run that outlives two minutes is ended, as a failure.
inline SimRun runSim(const std::string& args) {
    const std::string command = "timeout 120 '" ZELVARO_SIM "' " + args + " 2>&1";
    SimRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    std::string line;
    while (::fgets(buffer, sizeof buffer, pipe)) {
        line += buffer;
        if (line.back() != '\n') continue;
        if (line.rfind("time:", 0) != 0) run.out += line;
        line.clear();
    }
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace zelvaro
