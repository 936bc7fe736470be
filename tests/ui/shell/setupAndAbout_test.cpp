#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QTest>
#include <QUrl>

#include "core/modB3Glimwarden.h"
#include "platform/twips.h"
#include "platform/vbControls.h"
#include "shell/frmB3About.h"
#include "shell/frmB3Setup.h"
#include "support/appHarness.h"
#include "support/widgetActions.h"

namespace {

QColor backColor(const VbLabel* label) { return label->palette().color(QPalette::Window); }

frmB3Setup* openSetup(AppHarness& app)
{
    app.trigger("mnuSetup");
    return app.formAs<frmB3Setup>("frmB3Setup");
}

TEST(SetupForm, ChoosingBlocksRedrawsRangesAndMarksOverflowInvalid)
{
    AppHarness app;
    frmB3Setup* setup = openSetup(app);
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(setup->lblIOCount[0]->caption(), "4 I/O");
    EXPECT_EQ(setup->lblIOAdd[0]->caption(), "01 - 04");
    EXPECT_EQ(setup->lblIOCount[11]->caption(), "-");
    EXPECT_FALSE(setup->lblIOAdd[11]->isVisible());
    bChanged = VbFalse;

    clickWidget(setup->lblIOCount[0]);
    EXPECT_EQ(bChanged, VbTrue);                         // merely opening the list counts
    ASSERT_TRUE(setup->cboIOCount->isVisible());
    EXPECT_EQ(setup->cboIOCount->count(), 8);
    EXPECT_EQ(setup->cboIOCount->ListIndex(), 0);
    EXPECT_EQ(setup->cboIOCount->y(), setup->lblIOCount[0]->y() - 1);
    chooseListEntry(setup->cboIOCount, 7);
    EXPECT_EQ(tConfig.iNodeIO[0], 8);
    EXPECT_FALSE(setup->cboIOCount->isVisible());

    clickWidget(setup->lblIOCount[1]);
    EXPECT_EQ(setup->cboIOCount->itemText(0), "None");
    chooseListEntry(setup->cboIOCount, 4);
    clickWidget(setup->lblIOCount[2]);
    chooseListEntry(setup->cboIOCount, 1);
    EXPECT_EQ(tConfig.iNodeIO[1], 4);
    EXPECT_EQ(tConfig.iNodeIO[2], 1);
    EXPECT_EQ(GetIOPointCount(), 48);

    EXPECT_EQ(setup->lblIOAdd[0]->caption(), "01 - 32");
    EXPECT_EQ(setup->lblIOCount[1]->caption(), "16 I/O");
    EXPECT_EQ(setup->lblIOAdd[1]->caption(), "33 - 48");
    EXPECT_EQ(backColor(setup->lblIOAdd[1]), vbColor(0x80FF80));
    EXPECT_EQ(setup->lblIOCount[2]->caption(), "4 I/O");
    EXPECT_EQ(setup->lblIOAdd[2]->caption(), "Invalid");
    EXPECT_EQ(backColor(setup->lblIOAdd[2]), vbColor(0x8080FF));

    // Node 2 back to none: its range goes and the next node moves down.
    clickWidget(setup->lblIOCount[1]);
    chooseListEntry(setup->cboIOCount, 0);
    EXPECT_EQ(setup->lblIOCount[1]->caption(), "-");
    EXPECT_FALSE(setup->lblIOAdd[1]->isVisible());
    EXPECT_EQ(setup->lblIOAdd[2]->caption(), "33 - 36");
    EXPECT_EQ(backColor(setup->lblIOAdd[2]), vbColor(0x80FF80));

    // A click on the form closes an open list.
    clickWidget(setup->lblIOCount[3]);
    ASSERT_TRUE(setup->cboIOCount->isVisible());
    QTest::mouseClick(setup, Qt::LeftButton, {}, QPoint(setup->width() - 5, setup->height() - 5));
    EXPECT_FALSE(setup->cboIOCount->isVisible());
}

TEST(SetupForm, ValuesOutsideTheListsSelectNothing)
{
    AppHarness app;
    tConfig.iNodeIO[0] = 0;
    tConfig.iNodeIO[1] = 9;
    tConfig.iAddOnModule = 9;
    frmB3Setup* setup = openSetup(app);
    for (const auto* option : setup->optAddOnModuleType) EXPECT_FALSE(option->isChecked());
    EXPECT_EQ(setup->lblIOCount[1]->caption(), "36 I/O");
    EXPECT_EQ(setup->lblIOAdd[1]->caption(), "01 - 36");

    clickWidget(setup->lblIOCount[0]);
    EXPECT_EQ(setup->cboIOCount->ListIndex(), -1);
    clickWidget(setup->lblIOCount[1]);
    EXPECT_EQ(setup->cboIOCount->ListIndex(), -1);
    EXPECT_EQ(tConfig.iNodeIO[1], 9);
}

TEST(SetupForm, AddOnModuleOptionStoresItsIndex)
{
    AppHarness app;
    frmB3Setup* setup = openSetup(app);
    EXPECT_TRUE(setup->optAddOnModuleType[0]->isChecked());
    bChanged = VbFalse;
    clickWidget(setup->optAddOnModuleType[6]);
    EXPECT_EQ(tConfig.iAddOnModule, 6);
    EXPECT_EQ(bChanged, VbTrue);
    EXPECT_EQ(setup->optAddOnModuleType[4]->text(), "Voice / DTMF Module");
}

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

TEST(AboutForm, ShowsTheVersionAndOpensTheWebAddress)
{
    AppHarness app;
    auto* about = app.formAs<frmB3About>("frmB3About");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->lblRevInfo[2]->caption(), "Version 1.02");
    sSoftwareVersion.clear();
    app.trigger("mnuAbout");
    EXPECT_EQ(sSoftwareVersion, "Version 1.02");

    UrlRecorder browser;
    QDesktopServices::setUrlHandler("https", &browser, "open");
    clickWidget(app.formAs<frmB3About>("frmB3About")->lblWebPageInfo);
    QDesktopServices::unsetUrlHandler("https");
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened[0].toString(), app.formAs<frmB3About>("frmB3About")->lblWebPageInfo->caption());
}

} // namespace

#include "setupAndAbout_test.moc"
