#pragma once
// The open and save dialogs, shaped like the common dialog control the forms drive:
// set Filter, Flags and FileName, call ShowOpen or ShowSave, read FileName back. A
// cancelled dialog leaves FileName as it was. Every call goes through a replaceable
// responder so tests can answer and record the dialogs.

#include <functional>
#include <string>

// Flag bits the program uses.
enum CommonDialogFlags : int {
    cdlOFNOverwritePrompt = 0x2,
    cdlOFNHideReadOnly = 0x4,
    cdlOFNPathMustExist = 0x800,
    cdlOFNFileMustExist = 0x1000,
};

struct CommonDialogCall {
    bool save = false;
    std::string filter;    // "Description|pattern|Description|pattern"
    int flags = 0;
    std::string fileName;  // what the dialog starts with (may be a pattern)
    std::string title;
};

// Returns the chosen path, or the call's fileName unchanged when cancelled.
using CommonDialogResponder = std::function<std::string(const CommonDialogCall&)>;
void SetCommonDialogResponder(CommonDialogResponder responder);

class CommonDialog {
public:
    std::string Filter;
    int Flags = 0;
    std::string FileName;
    std::string DialogTitle;

    void ShowOpen();
    void ShowSave();

private:
    void run(bool save);
};
