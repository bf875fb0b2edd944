// The simulator's own folder in the temporary folder, zelvaro-sim-<pid>: made at start, taken
// away at every exit it can see (the normal end, an error, Ctrl+C, a termination request),
// and the leftovers of simulators that no longer run removed before a new one is made.
#pragma once

#include <filesystem>
#include <string>

namespace zelvaro {

class ScratchFolder {
public:
    // `base` is the folder that holds the simulators' folders (the temporary folder).
    explicit ScratchFolder(const std::filesystem::path& base);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // The folders of simulators whose process no longer exists, each removed; returns how many.
    static int removeLeftovers(const std::filesystem::path& base);

private:
    std::filesystem::path path_;
};

}  // namespace zelvaro
