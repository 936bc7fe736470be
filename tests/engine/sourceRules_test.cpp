// Rules of the program's layering that a compiler does not check, read from the
// source tree itself (its place comes from the build).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kSourceDir = B3_SOURCE_DIR;
// Not part of the program: its tests, its benchmark, the fake panel program.
const std::set<std::string> kNotProgram = {"tests", "bench", "tools", "scripts"};

bool isSource(const fs::path& path) { return path.extension() == ".cpp" || path.extension() == ".h"; }

std::vector<fs::path> programSources()
{
    std::vector<fs::path> sources;
    for (const fs::directory_entry& folder : fs::directory_iterator(kSourceDir)) {
        const std::string name = folder.path().filename().string();
        if (!folder.is_directory() || name.starts_with(".") || name.starts_with("build") || kNotProgram.contains(name))
            continue;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder.path()))
            if (entry.is_regular_file() && isSource(entry.path())) sources.push_back(entry.path());
    }
    return sources;
}

std::string textOf(const fs::path& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool inLink(const fs::path& path) { return fs::relative(path, kSourceDir).begin()->string() == "link"; }

} // namespace

// Each case: the files it applies to, a pattern none of them may contain.
TEST(SourceRules, FormsReachThePanelOnlyThroughTheLinkAndTheLinkNeverReachesTheShell)
{
    struct Rule {
        const char* what;
        bool (*appliesTo)(const fs::path&);
        std::regex forbidden;
    };
    const std::vector<Rule> rules = {
        {"sends a command outside link/ instead of through the door", [](const fs::path& p) { return !inLink(p); },
         std::regex(R"(\bSend(Command|Raw)\s*\()")},
        {"includes the main window's code from link/", inLink, std::regex(R"(#\s*include\s*"shell/)")},
    };
    const std::vector<fs::path> sources = programSources();
    ASSERT_GT(sources.size(), 50u);
    for (const Rule& rule : rules) {
        for (const fs::path& source : sources) {
            if (!rule.appliesTo(source)) continue;
            EXPECT_FALSE(std::regex_search(textOf(source), rule.forbidden)) << source.string() << " " << rule.what;
        }
    }
}
