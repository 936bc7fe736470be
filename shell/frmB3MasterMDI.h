#pragma once
// The main window: an MDI frame of fixed size with the menu tree, the status bar, the
// file dialog and the start-up and shut-down of the program. Reach it through
// MasterMDI() (shell/mainServices.h).

#include <QMainWindow>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/commonDialog.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
struct MainMenuEntry;

class frmB3MasterMDI : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 11055;
    static constexpr int kHeightTwips = 8145;
    // The client area of the largest child forms: the live forms, the grid editors and
    // the dimmer outputs, and the capture presets 120 twips wider for their last column.
    static constexpr int kLargestFormWidthTwips = 10935;
    static constexpr int kLargestFormHeightTwips = 7335;
    static constexpr int kHourglassPointer = 11;

    frmB3MasterMDI();
    ~frmB3MasterMDI() override;

    // The start-up sequence; run once after the window is shown.
    void MDIForm_Load();
    void ExitProgram();

    // Position and size in twips, as forms centre their dialogs over the window.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    // 0 default, 11 hourglass.
    void setMousePointer(int pointer);
    int MousePointer() const { return mousePointer_; }

    // The menu control of that name (a submenu's own entry for a submenu), or nullptr.
    QAction* menuControl(const QString& name) const;

    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuExit_Click();
    void mnuAddOnModules_Click();

    QMdiArea* mdiArea = nullptr;
    std::array<QLabel*, 2> StatusBar1{};   // Panels(1) and Panels(2)
    CommonDialog cdFile;
    QTimer* tmrFix = nullptr;
    QWidget* picBlockFlashing = nullptr;
    QLabel* lblLoading = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;   // QueryUnload, then Unload
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void addMenuEntries(QMenu* menu, const std::vector<MainMenuEntry>& entries);
    QAction* addMenuEntry(QWidget* container, const MainMenuEntry& entry);
    void connectCommand(QAction* action, const MainMenuEntry& entry);
    void buildStatusBar();
    void buildLoadingCover();

    QSize FixedWindowSize() const;
    void MDIForm_Resize();
    void MDIForm_Unload();
    void tmrFix_Timer();

    void ShowChildForm(const QString& formName);
    void ShowStartScreen();
    void ResetToNewConfiguration();
    bool DiscardChangesConfirmed();
    void FileOpen();
    void FileSave();
    void FileSaveAs();
    void PrepareFileDialog();
    bool FileDialogCancelled() const;
    void AdoptFileName(const std::string& path);
    void UnloadEveryForm();
    bool DeferWhileLinkBusy(std::function<void()> retry);
    void RetryDeferredCommand();
    void DisconnectLoadedConnectForm();

    bool bExitConfirmed = false;
    bool bFileDialogPrimed = false;
    int mousePointer_ = 0;
    QTimer* linkBusyRetry_ = nullptr;
    std::function<void()> pendingCommand_;
    bool exitProgramRunning_ = false;
    QSize fixedSize_;
};

// Creates the main window, shows it and runs its start-up: the one path into the
// program, for main() and the widget tests alike.
frmB3MasterMDI& StartProgram();
// Deletes the main window and everything inside it, if it exists.
void DestroyMainWindow();
