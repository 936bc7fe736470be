#include "core/dataFolder.h"

#include <cstdlib>

std::string DataFolderPath()
{
    const char* home = std::getenv("HOME");
    std::string base = (home && *home) ? home : ".";
    if (base.size() > 1 && base.back() == '/') base.pop_back();
    return base + "/OVK Brevantine 3";
}

std::string DocumentationFolderPath() { return DataFolderPath() + "/Documentation"; }
std::string DiagnosticsFilePath() { return DataFolderPath() + "/Harrow 9 Fieldtests Mode.B3"; }
std::string DefaultDocFilePath() { return DocumentationFolderPath() + "/Brevantine 3.txt"; }
std::string DataFilePattern() { return DataFolderPath() + "/*.B3"; }
