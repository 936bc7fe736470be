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

std::string topFolder(const fs::path& path) { return fs::relative(path, kSourceDir).begin()->string(); }
bool inLink(const fs::path& path) { return topFolder(path) == "link"; }
// core/ and every engine/ folder build without Qt, for the engine tests and the benchmark.
bool isQtFree(const fs::path& path)
{
    return topFolder(path) == "core" || path.parent_path().filename() == "engine";
}

} // namespace

// Each case: the files it applies to, a pattern none of them may contain.
TEST(SourceRules, FormsReachThePanelOnlyThroughTheLinkWhichReachesNoFormAbove)
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
        {"includes a form that polls the panel from link/", inLink, std::regex(R"(#\s*include\s*"live/)")},
        {"includes something other than core/ or an engine/ folder from Qt-free code", isQtFree,
         std::regex(R"(#\s*include\s*"(?!core/|[a-z]+/(?:[A-Za-z]+/)?engine/)[A-Za-z]+/|#\s*include\s*<Q)")},
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
