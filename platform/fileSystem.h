#pragma once
// The few file-system operations the main window needs at start-up. Both helpers
// ignore every error: a read-only or missing home leaves things as they are and the
// program still starts.

#include <string>

bool PathExists(const std::string& path);
// Creates the folder when it does not exist (its parent must exist).
void CreateFolderIfMissing(const std::string& path);
// Deletes the file when it exists, and any other whose name differs from it only in
// letter case: on a case-blind file system they would all be that one file.
void DeleteFileAnyCase(const std::string& path);
