#include "shell/frmB3About.h"

#include <QDesktopServices>
#include <QFrame>
#include <QUrl>

#include "core/modB3Glimwarden.h"
#include "platform/childFormRegistry.h"
#include "platform/latin1.h"
#include "platform/twips.h"
#include "platform/vbControls.h"

B3_REGISTER_CHILD_FORM(frmB3About)

namespace {

// Contact details are placeholders until the supplier's own are known.
const char* const kWebAddress = "https://www.example.com/";
const char* const kPhoneText = "Phone: (000) 000-0000";

VbLabel* makeLabel(QWidget* parent, int top, const QString& caption)
{
    auto* label = placed(new VbLabel(parent), 240, top, 5520, 285);
    label->setAlignment(Qt::AlignCenter);
    label->setCaption(caption);
    return label;
}

} // namespace

frmB3About::frmB3About() : ChildForm("frmB3About")
{
    setCaption("About");
    setTwipsSize(6000, 4200);

    imgLogo = placed(new QLabel("OVK Brevantine 3", this), 240, 240, 5520, 1440);
    imgLogo->setAlignment(Qt::AlignCenter);
    imgLogo->setFrameShape(QFrame::Box);
    QFont logoFont = imgLogo->font();
    logoFont.setPointSize(logoFont.pointSize() * 2);
    logoFont.setBold(true);
    imgLogo->setFont(logoFont);

    lblRevInfo[0] = makeLabel(this, 1860, "OVK Brevantine 3");
    lblRevInfo[1] = makeLabel(this, 2160, "Host Configuration Software");
    lblRevInfo[2] = makeLabel(this, 2460, "Version 1.02");
    lblWebPageInfo = makeLabel(this, 3000, kWebAddress);
    lblWebPageInfo->setCursor(Qt::PointingHandCursor);
    lblPhone = makeLabel(this, 3300, kPhoneText);
    connect(lblWebPageInfo, &VbLabel::Click, this, [this] { lblWebPageInfo_Click(); });
}

void frmB3About::Form_Activate() { sSoftwareVersion = fromQ(lblRevInfo[2]->caption()); }

// Whether a browser opened is not examined.
void frmB3About::lblWebPageInfo_Click() { QDesktopServices::openUrl(QUrl(kWebAddress)); }
