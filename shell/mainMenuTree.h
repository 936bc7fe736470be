#pragma once
// The main window's menu tree as data: control name, caption and the child form each
// entry shows. The window builds its menus from it, so captions and names live in
// one place.

#include <vector>

struct MainMenuEntry {
    const char* name;          // control name; also the objectName of its QAction / QMenu
    const char* caption;       // "-" is a separator
    const char* form;          // child form shown by the entry, or nullptr
    std::vector<MainMenuEntry> children;
};

const std::vector<MainMenuEntry>& MainMenuTree();
