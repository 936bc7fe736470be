#pragma once
// Where the program keeps its data files. The fixed folder "C:\OVK Brevantine 3" of the
// original platform is "$HOME/OVK Brevantine 3" here, with the same subfolder and
// file names.

#include <string>

std::string DataFolderPath();            // $HOME/OVK Brevantine 3
std::string DocumentationFolderPath();   // .../Documentation
std::string DiagnosticsFilePath();       // .../Harrow 9 Fieldtests Mode.B3
std::string DefaultDocFilePath();        // .../Documentation/Brevantine 3.txt
// The pattern the file dialogs start from: .../*.B3
std::string DataFilePattern();
