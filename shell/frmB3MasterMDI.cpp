#include "shell/frmB3MasterMDI.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "core/dataFile.h"
#include "core/dataFolder.h"
#include "core/modB3Dimmers.h"
#include "core/modB3Glimwarden.h"
#include "platform/childForm.h"
#include "platform/childFormRegistry.h"
#include "platform/fileSystem.h"
#include "platform/msgBox.h"
#include "platform/twips.h"
#include "shell/childFormOrder.h"
#include "shell/mainMenuTree.h"
#include "shell/mainServices.h"
#include "shell/programIcon.h"

namespace {

const char* const kDataFileFilter = "Brevantine 3 Data Files (*.B3)|*.B3|All Files (*.*)|*.*";
constexpr int kOpenDialogFlags = cdlOFNOverwritePrompt | cdlOFNHideReadOnly | cdlOFNPathMustExist | cdlOFNFileMustExist;
// Save As must accept a name that does not exist yet; the dialog asks before it
// overwrites one that does.
constexpr int kSaveDialogFlags = cdlOFNOverwritePrompt | cdlOFNHideReadOnly | cdlOFNPathMustExist;
constexpr int kLinkBusyRetryMs = 50;

// Add-on module pages by iAddOnModule; other values have none.
constexpr std::array<const char*, 6> kAddOnModuleForms = {
    "frmB3AddOnModuleNone", "frmB3AddOnModuleDMX",       "frmB3AddOnModuleModBus",
    "frmB3AddOnModuleN2",   "frmB3AddOnModuleVoiceDTMF", "frmB3AddOnModuleBACnet",
};

// Tells the user why a read or write failed; true when it succeeded.
bool succeeded(const DataFileResult& result)
{
    if (!result) MsgBox(result.message, vbExclamation, kAppTitle);
    return result.ok;
}

} // namespace

frmB3MasterMDI::frmB3MasterMDI()
{
    setObjectName("frmB3MasterMDI");
    setWindowTitle(QString::fromStdString(kAppTitle));
    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName("mdiArea");
    setCentralWidget(mdiArea);
    childForms::setMdiArea(mdiArea);

    buildMenus();
    buildStatusBar();
    buildLoadingCover();

    linkBusyRetry_ = new QTimer(this);
    linkBusyRetry_->setInterval(kLinkBusyRetryMs);
    connect(linkBusyRetry_, &QTimer::timeout, this, [this] { RetryDeferredCommand(); });

    tmrFix = new QTimer(this);
    tmrFix->setObjectName("tmrFix");
    tmrFix->setInterval(1000);
    tmrFix->setSingleShot(true);
    connect(tmrFix, &QTimer::timeout, this, [this] { tmrFix_Timer(); });
    tmrFix->start();

    fixedSize_ = FixedWindowSize();
    resize(fixedSize_);
}

frmB3MasterMDI::~frmB3MasterMDI() = default;

// The window keeps its twips size where that is enough, and grows where the largest
// child form, in the frame Qt draws around it, would not fit the MDI area whole.
QSize frmB3MasterMDI::FixedWindowSize() const
{
    const QSize largestFrame = childForms::frameSizeFor(
        QSize(twipsToPixels(kLargestFormWidthTwips), twipsToPixels(kLargestFormHeightTwips)));
    const int areaFrame = 2 * mdiArea->frameWidth();
    const QSize aroundArea(areaFrame, areaFrame + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    return QSize(twipsToPixels(kWidthTwips), twipsToPixels(kHeightTwips)).expandedTo(largestFrame + aroundArea);
}

void frmB3MasterMDI::buildMenus()
{
    for (const MainMenuEntry& entry : MainMenuTree()) addMenuEntry(menuBar(), entry);
    // The one entry that starts greyed; nothing enables it.
    menuControl("mnuRelayDrive")->setEnabled(false);
}

QAction* frmB3MasterMDI::addMenuEntry(QWidget* container, const MainMenuEntry& entry)
{
    const QString name = QString::fromLatin1(entry.name);
    if (QString::fromLatin1(entry.caption) == "-") {
        auto* separator = new QAction(this);
        separator->setSeparator(true);
        separator->setObjectName(name);
        container->addAction(separator);
        return separator;
    }
    if (!entry.children.empty()) {
        auto* menu = new QMenu(QString::fromLatin1(entry.caption), this);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        addMenuEntries(menu, entry.children);
        container->addAction(menu->menuAction());
        return menu->menuAction();
    }
    auto* action = new QAction(QString::fromLatin1(entry.caption), this);
    action->setObjectName(name);
    container->addAction(action);
    connectCommand(action, entry);
    return action;
}

void frmB3MasterMDI::addMenuEntries(QMenu* menu, const std::vector<MainMenuEntry>& entries)
{
    for (const MainMenuEntry& entry : entries) addMenuEntry(menu, entry);
}

void frmB3MasterMDI::connectCommand(QAction* action, const MainMenuEntry& entry)
{
    const QString name = action->objectName();
    void (frmB3MasterMDI::*handler)() = nullptr;
    if (name == "mnuNew") handler = &frmB3MasterMDI::mnuNew_Click;
    else if (name == "mnuOpen") handler = &frmB3MasterMDI::mnuOpen_Click;
    else if (name == "mnuSave") handler = &frmB3MasterMDI::mnuSave_Click;
    else if (name == "mnuSaveAs") handler = &frmB3MasterMDI::mnuSaveAs_Click;
    else if (name == "mnuExit") handler = &frmB3MasterMDI::mnuExit_Click;
    else if (name == "mnuAddOnModules") handler = &frmB3MasterMDI::mnuAddOnModules_Click;

    if (handler) {
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    } else if (entry.form) {
        const QString form = QString::fromLatin1(entry.form);
        connect(action, &QAction::triggered, this, [this, form] { ShowChildForm(form); });
    }
}

void frmB3MasterMDI::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < StatusBar1.size(); ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i + 1));
        panel->setTextFormat(Qt::PlainText);
        panel->setFrameShape(QFrame::StyledPanel);
        bar->addWidget(panel, i == 0 ? 3 : 1);
        StatusBar1[i] = panel;
    }
}

void frmB3MasterMDI::buildLoadingCover()
{
    picBlockFlashing = new QWidget(this);
    picBlockFlashing->setObjectName("picBlockFlashing");
    picBlockFlashing->setAutoFillBackground(true);
    lblLoading = new QLabel("Loading OVK Brevantine 3...", picBlockFlashing);
    lblLoading->setObjectName("lblLoading");
    lblLoading->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(picBlockFlashing);
    layout->addWidget(lblLoading);
    picBlockFlashing->hide();
}

// --- Start-up and window behaviour --------------------------------------------------

void frmB3MasterMDI::MDIForm_Load()
{
    resize(fixedSize_);
    if (const QScreen* display = screen()) {
        const QRect area = display->geometry();
        move(area.x() + (area.width() - frameGeometry().width()) / 2,
             area.y() + (area.height() - frameGeometry().height()) / 2);
    }

    picBlockFlashing->setGeometry(rect());
    picBlockFlashing->show();
    picBlockFlashing->raise();
    picBlockFlashing->repaint();

    CreateFolderIfMissing(DataFolderPath());
    CreateFolderIfMissing(DocumentationFolderPath());

    ResetToNewConfiguration();

    picBlockFlashing->hide();
    DeleteFileAnyCase(DiagnosticsFilePath());
}

// Start-up and File New alike: start screen, no link, defaults, nothing changed.
void frmB3MasterMDI::ResetToNewConfiguration()
{
    ShowStartScreen();
    DisconnectGW();
    sFileName = kNoFileName;
    SetDefaultSettings();
    ShowStartScreen();
    bChanged = VbFalse;
    UpdateStatusBar();
}

void frmB3MasterMDI::ShowStartScreen() { ShowChildForm(kAboutFormName); }

void frmB3MasterMDI::ShowChildForm(const QString& formName)
{
    CloseChildForms();
    childForms::show(formName);
}

void frmB3MasterMDI::tmrFix_Timer()
{
    tmrFix->stop();
    bChanged = VbFalse;
}

void frmB3MasterMDI::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    MDIForm_Resize();
}

void frmB3MasterMDI::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) MDIForm_Resize();
}

// The user may minimise and maximise the window but not give it another size.
void frmB3MasterMDI::MDIForm_Resize()
{
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
    if (size() != fixedSize_) resize(fixedSize_);
}

int frmB3MasterMDI::Left() const { return pixelsToTwips(frameGeometry().x()); }
int frmB3MasterMDI::Top() const { return pixelsToTwips(frameGeometry().y()); }
int frmB3MasterMDI::Width() const { return pixelsToTwips(frameGeometry().width()); }
int frmB3MasterMDI::Height() const { return pixelsToTwips(frameGeometry().height()); }

void frmB3MasterMDI::setMousePointer(int pointer)
{
    mousePointer_ = pointer;
    if (pointer == kHourglassPointer) setCursor(Qt::WaitCursor);
    else unsetCursor();
}

QAction* frmB3MasterMDI::menuControl(const QString& name) const { return findChild<QAction*>(name); }

// --- File commands ------------------------------------------------------------------

bool frmB3MasterMDI::DiscardChangesConfirmed()
{
    if (!bChanged) return true;
    return MsgBox("Discard Any Changes?", vbYesNo + vbQuestion, kAppTitle) == vbYes;
}

void frmB3MasterMDI::mnuNew_Click()
{
    // New and Open take the link down: never under an exchange that awaits its reply.
    if (DeferWhileLinkBusy([this] { mnuNew_Click(); })) return;
    if (!DiscardChangesConfirmed()) return;
    ResetToNewConfiguration();
}

void frmB3MasterMDI::mnuOpen_Click() { FileOpen(); }

void frmB3MasterMDI::mnuSave_Click()
{
    if (sFileName == kNoFileName) FileSaveAs();
    else FileSave();
}

void frmB3MasterMDI::mnuSaveAs_Click() { FileSaveAs(); }

void frmB3MasterMDI::PrepareFileDialog()
{
    cdFile.FileName.clear();
    cdFile.Filter = kDataFileFilter;
}

bool frmB3MasterMDI::FileDialogCancelled() const
{
    return cdFile.FileName.empty() || cdFile.FileName == DataFilePattern();
}

void frmB3MasterMDI::FileOpen()
{
    if (DeferWhileLinkBusy([this] { FileOpen(); })) return;
    if (!DiscardChangesConfirmed()) return;
    PrepareFileDialog();
    if (!bFileDialogPrimed) {
        bFileDialogPrimed = true;
        cdFile.FileName = DataFilePattern();
    }
    cdFile.Flags = kOpenDialogFlags;
    cdFile.ShowOpen();
    if (FileDialogCancelled()) return;

    const std::string chosen = cdFile.FileName;
    ShowStartScreen();
    DisconnectGW();
    // The link is down now even if the file turns out unreadable.
    UpdateStatusBar();
    // A file that cannot be read whole leaves the configuration, its file name and
    // the changed flag as they were.
    if (succeeded(ReadDataFile(chosen))) AdoptFileName(chosen);
}

void frmB3MasterMDI::AdoptFileName(const std::string& path)
{
    sFileName = path;
    UpdateStatusBar();
    bChanged = VbFalse;
}

void frmB3MasterMDI::FileSave()
{
    if (succeeded(WriteDataFile(sFileName))) bChanged = VbFalse;
}

void frmB3MasterMDI::FileSaveAs()
{
    PrepareFileDialog();
    bFileDialogPrimed = true;
    cdFile.FileName = DataFilePattern();
    cdFile.Flags = kSaveDialogFlags;
    cdFile.ShowSave();
    if (FileDialogCancelled()) return;

    const std::string chosen = cdFile.FileName;
    if (succeeded(WriteDataFile(chosen))) AdoptFileName(chosen);
}

void frmB3MasterMDI::mnuAddOnModules_Click()
{
    CloseChildForms();
    const int module = tConfig.iAddOnModule;
    if (module >= 0 && module < static_cast<int>(kAddOnModuleForms.size()))
        childForms::show(kAddOnModuleForms[static_cast<std::size_t>(module)]);
}

// --- Shut-down ----------------------------------------------------------------------

void frmB3MasterMDI::mnuExit_Click()
{
    if (!DiscardChangesConfirmed()) return;
    const auto exitConfirmed = [this] {
        bExitConfirmed = true;
        ExitProgram();
    };
    if (!DeferWhileLinkBusy(exitConfirmed)) exitConfirmed();
}

void frmB3MasterMDI::ExitProgram()
{
    UnloadEveryForm();
    exitProgramRunning_ = true;
    close();
}

// Every step runs even when one before it failed.
void frmB3MasterMDI::UnloadEveryForm()
{
    const auto ignoringErrors = [](const auto& step) {
        try {
            step();
        } catch (...) {
        }
    };
    ignoringErrors([] { DisconnectGW(); });
    ignoringErrors([] { childForms::unload(kSetupFormName); });
    ignoringErrors([] { childForms::unload(kConnectFormName); });
    // The hooks belong to the connect form just unloaded.
    SetConnectFormHooks({});
    for (const char* form : kChildFormsInUnloadOrder) ignoringErrors([form] { childForms::unload(form); });
}

void frmB3MasterMDI::closeEvent(QCloseEvent* event)
{
    if (!exitProgramRunning_ && !bExitConfirmed) {
        // The question comes first: No must leave a running transfer untouched.
        if (!DiscardChangesConfirmed() || DeferWhileLinkBusy([this] { ExitProgram(); })) {
            event->ignore();
            return;
        }
        UnloadEveryForm();
    } else if (bExitConfirmed) {
        DisconnectLoadedConnectForm();
    }
    event->accept();
    MDIForm_Unload();
}

void frmB3MasterMDI::MDIForm_Unload() { DisconnectLoadedConnectForm(); }

// Shutting down must not load the connect form again just to disconnect it.
void frmB3MasterMDI::DisconnectLoadedConnectForm()
{
    if (const auto& disconnect = connectFormHooks().disconnectGW) disconnect();
}

// Closing the connect form under a running exchange would pull the link out from
// under it: ask the transfer to stop and run the rest of the command once the link is
// idle and no message box of the exchange is still open.
bool frmB3MasterMDI::DeferWhileLinkBusy(std::function<void()> retry)
{
    const auto& busy = connectFormHooks().isLinkBusy;
    if (!busy || !busy()) return false;
    if (const auto& cancel = connectFormHooks().cancelTransfer) cancel();
    pendingCommand_ = std::move(retry);
    linkBusyRetry_->start();
    return true;
}

void frmB3MasterMDI::RetryDeferredCommand()
{
    const auto& busy = connectFormHooks().isLinkBusy;
    if ((busy && busy()) || QApplication::activeModalWidget()) return;
    linkBusyRetry_->stop();
    auto command = std::move(pendingCommand_);
    pendingCommand_ = nullptr;
    if (command) command();
}

frmB3MasterMDI& StartProgram()
{
    SetDimmerIndexReporter([](int32_t index) { MsgBox(std::to_string(index), vbOKOnly, kAppTitle); });
    QApplication::setWindowIcon(programIcon());
    frmB3MasterMDI& window = MasterMDI();
    window.show();
    window.MDIForm_Load();
    return window;
}
