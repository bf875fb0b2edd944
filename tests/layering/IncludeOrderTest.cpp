// The folders stand in one order, each using only those below it: an include that points up
// the order (a layering violation) fails here, naming the file, the line and the include.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Bottom first. tools/ and bench/ stand side by side on top of the program; the tests above
// everything.
const std::map<std::string, int> kLayers{
    {"rules", 0}, {"primitives", 1}, {"store", 2}, {"engine", 3}, {"tournament", 4}, {"front", 5},
    {"ui", 6},    {"app", 7},        {"tools", 8}, {"bench", 8},  {"tests", 9},
};

std::optional<int> layerOf(const std::string& path) {
    const auto found = kLayers.find(path.substr(0, path.find('/')));
    if (found == kLayers.end()) return std::nullopt;
    return found->second;
}

// Every include of `text` (the file at `path`, relative to the project) that points up the
// order or into a folder that has no place in it.
std::vector<std::string> violations(const std::string& path, const std::string& text) {
    static const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
    std::vector<std::string> found;
    const std::optional<int> own = layerOf(path);
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        std::smatch match;
        if (!std::regex_search(line, match, include)) continue;
        const std::string target = match[1];
        if (target.find('/') == std::string::npos) continue;  // beside the file itself
        const std::optional<int> layer = layerOf(target);
        if (!own || !layer || *layer > *own) {
            found.push_back(path + ":" + std::to_string(number) + ": " + target);
        }
    }
    return found;
}

TEST(IncludeOrderTest, NoSourceFileIncludesAFolderAboveItsOwn) {
    const fs::path root = ZELVARO_SOURCE_DIR;
    int files = 0;
    std::vector<std::string> found;
    for (const auto& [folder, layer] : kLayers) {
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            const std::string extension = entry.path().extension().string();
            if (extension != ".h" && extension != ".cpp") continue;
            std::ifstream in(entry.path());
            const std::string text((std::istreambuf_iterator<char>(in)), {});
            const auto more = violations(fs::relative(entry.path(), root).generic_string(), text);
            found.insert(found.end(), more.begin(), more.end());
            ++files;
        }
    }
    EXPECT_GT(files, 100);
    for (const std::string& violation : found)
        ADD_FAILURE() << "points up the order: " << violation;
}

TEST(IncludeOrderTest, TheCheckSeesUpwardAndUnknownIncludesOnly) {
    struct Case {
        const char* path;
        const char* include;
        bool violation;
    };
    const Case cases[] = {
        {"store/Database.cpp", "#include \"primitives/Random.h\"", false},
        {"store/Database.cpp", "#include \"store/Value.h\"", false},
        {"store/Nummag.cpp", "#include \"engine/GameSession.h\"", true},
        {"store/Nummag.cpp", "#include \"rules/Card.h\"", false},
        {"rules/Showdown.cpp", "#include \"primitives/Random.h\"", true},
        {"engine/MatchEnd.cpp", "  #  include \"tournament/Standings.h\"", true},
        {"engine/display/TableDisplay.cpp", "#include \"store/Database.h\"", false},
        {"tournament/Standings.cpp", "#include \"front/ZelvaroApp.h\"", true},
        {"ui/MainWindow.cpp", "#include \"front/ZelvaroApp.h\"", false},
        {"tools/sim/main.cpp", "#include \"bench/Timing.h\"", false},
        {"front/GameStart.cpp", "#include \"elsewhere/Thing.h\"", true},
        {"front/GameStart.cpp", "#include <QWidget>", false},
        {"front/GameStart.cpp", "#include \"GameStart.h\"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.path) + " " + c.include);
        EXPECT_EQ(violations(c.path, c.include).size(), c.violation ? 1U : 0U);
    }
}

}  // namespace
