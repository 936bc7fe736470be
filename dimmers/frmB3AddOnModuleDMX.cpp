#include "dimmers/frmB3AddOnModuleDMX.h"

#include "core/modB3Glimwarden.h"
#include "dimmers/engine/dimmerLists.h"
#include "platform/childFormRegistry.h"
#include "platform/latin1.h"
#include "platform/msgBox.h"
#include "platform/twips.h"

B3_REGISTER_CHILD_FORM(frmB3AddOnModuleDMX)

namespace {

constexpr int kLevelsTop = 6240;

} // namespace

frmB3AddOnModuleDMX::frmB3AddOnModuleDMX()
    : ChildForm(QStringLiteral("frmB3AddOnModuleDMX")), grid(this, GridGeometry{240})
{
    setCaption(QStringLiteral("Add On Module DMX"));
    setTwipsSize(10815, 7335);

    lblRelayName = grid.addCells(720, CellLook{1275, 0xC0C0C0});
    lblDMXChan = grid.addCells(2055, CellLook{1095});
    setToolTips(lblRelayName, "Relay ", grid.rows());
    cboNewDMX = grid.addList(1095, toQList(NumberEntries("DMX ", 1, kMaxDmxChannel, {}, "None")));

    cmdAutoMap = placed(new QPushButton(QStringLiteral("Auto Map"), this), 8400, kLevelsTop, 1095, 495);
    const char* levelCaptions[] = {"DMX On Level", "DMX Off Level", "DMX Filter"};
    for (int i = 0; i < 3; ++i) {
        lblLevel[i] = grid.addLabel(720 + 2520 * i, kLevelsTop, CellLook{1215, 0xC0C0C0, Qt::AlignCenter, false});
        lblLevel[i]->setCaption(QString::fromLatin1(levelCaptions[i]));
    }
    cboOnLevel = grid.addSelector(1980, kLevelsTop, 855);
    cboOffLevel = grid.addSelector(1980 + 2520, kLevelsTop, 855);
    cboFilter = grid.addSelector(1980 + 5040, kLevelsTop, 855);
    cboOnLevel->setItems(toQList(PercentEntries("", 1, 99)));
    cboOffLevel->setItems(toQList(PercentEntries("", 1, 99)));
    cboFilter->setItems(toQList(NumberEntries("", 1, 16)));

    connectArray(lblDMXChan, &VbLabel::Click, [this](int i) { lblDMXChan_Click(i); });
    connect(cboNewDMX, &VbComboBox::Click, this, &frmB3AddOnModuleDMX::cboNewDMX_Click);
    connect(cmdAutoMap, &QPushButton::clicked, this, [this] { cmdAutoMap_Click(); });
    connect(cboOnLevel, &VbComboBox::Click, this, &frmB3AddOnModuleDMX::cboOnLevel_Click);
    connect(cboOffLevel, &VbComboBox::Click, this, &frmB3AddOnModuleDMX::cboOffLevel_Click);
    connect(cboFilter, &VbComboBox::Click, this, &frmB3AddOnModuleDMX::cboFilter_Click);
}

void frmB3AddOnModuleDMX::Form_Activate()
{
    const int count = GetIOPointCount();
    setCaptions(lblRelayName, tConfig.sRelayName, count);
    showRows({&lblRelayName, &lblDMXChan}, count);
    ShowDMXConfiguration();
}

void frmB3AddOnModuleDMX::Form_Click() { grid.hideLists(); }

void frmB3AddOnModuleDMX::ShowDMXConfiguration()
{
    for (int r = 0; r < GetIOPointCount(); ++r) {
        const int channel = tConfig.iRelayDMXChannel[r];
        // A channel no entry has (a damaged file) shows an empty cell.
        lblDMXChan[r]->setCaption(channel >= 0 && channel < cboNewDMX->count()
                                      ? QLatin1Char(' ') + cboNewDMX->itemText(channel)
                                      : QString());
    }
    cmdAutoMap->setVisible(tConfig.iRelayDMXChannel[0] != 0);
    cboOnLevel->setListIndex(tConfig.iDMXOnLevel - 1);
    cboOffLevel->setListIndex(tConfig.iDMXOffLevel - 1);
    cboFilter->setListIndex(tConfig.iDMXFilter);
}

void frmB3AddOnModuleDMX::lblDMXChan_Click(int Index)
{
    cboNewDMX->hide();
    iDMXRow = static_cast<int16_t>(Index);
    grid.openList(cboNewDMX, lblDMXChan[Index], tConfig.iRelayDMXChannel[Index]);
}

void frmB3AddOnModuleDMX::cboNewDMX_Click()
{
    storeChosenEntry(
        cboNewDMX, [this](int16_t channel) { tConfig.iRelayDMXChannel[iDMXRow] = channel; },
        [this] { ShowDMXConfiguration(); });
}

void frmB3AddOnModuleDMX::cmdAutoMap_Click()
{
    // Relay 1's channel is read once and kept as it is, even one beyond the last
    // channel; the others follow it, counted wide so that none wraps.
    const int32_t first = tConfig.iRelayDMXChannel[0];
    for (int r = 1; r < 48; ++r) {
        const int32_t channel = first + r;
        tConfig.iRelayDMXChannel[r] = static_cast<int16_t>(channel > kMaxDmxChannel ? 0 : channel);
    }
    bChanged = VbTrue;
    ShowDMXConfiguration();
}

void frmB3AddOnModuleDMX::cboOnLevel_Click()
{
    chooseLevel(cboOnLevel, tConfig.iDMXOnLevel, [](int16_t on) { return on > tConfig.iDMXOffLevel; },
                "On Level Must Be Greater Than Off Level");
}

void frmB3AddOnModuleDMX::cboOffLevel_Click()
{
    chooseLevel(cboOffLevel, tConfig.iDMXOffLevel, [](int16_t off) { return off < tConfig.iDMXOnLevel; },
                "Off Level Must Be Less Than On Level");
}

// A refused level puts the list back on the stored one and stores nothing: a stored
// level the list has no entry for (0 or 100 from an upload) stays as it is.
void frmB3AddOnModuleDMX::chooseLevel(const VbComboBox* list, int16_t& stored, bool (*allowed)(int16_t),
                                      const char* refusal)
{
    if (list->ListIndex() < 0) return;
    const auto level = static_cast<int16_t>(list->ListIndex() + 1);
    if (allowed(level)) {
        stored = level;
    } else {
        MsgBox(refusal, vbOKOnly | vbInformation, "Error");
        ShowDMXConfiguration();
    }
    bChanged = VbTrue;
}

void frmB3AddOnModuleDMX::cboFilter_Click()
{
    if (cboFilter->ListIndex() < 0) return;
    tConfig.iDMXFilter = static_cast<int16_t>(cboFilter->ListIndex());
    bChanged = VbTrue;
}
