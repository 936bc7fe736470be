#include "editors/options/addOnNoticePage.h"

#include <array>

#include "platform/childFormRegistry.h"
#include "platform/twips.h"

namespace {

constexpr std::array<AddOnNotice, 4> kPages = {{
    {"frmB3AddOnModuleNone", "Add On Module", "No Add On Module Installed"},
    {"frmB3AddOnModuleN2", "Add On Module N2", "No Configuration Required"},
    {"frmB3AddOnModuleVoiceDTMF", "Add On Module Voice DTMF", "No Configuration Required"},
    {"frmB3AddOnModuleBACnet", "Add On Module BACnet", "No Configuration Required"},
}};

[[maybe_unused]] const bool registered = [] {
    for (const AddOnNotice& page : kPages)
        childForms::registerFactory(QString::fromLatin1(page.formName), [&page] { return new AddOnNoticePage(page); });
    return true;
}();

} // namespace

AddOnNoticePage::AddOnNoticePage(const AddOnNotice& page) : ChildForm(QString::fromLatin1(page.formName))
{
    setCaption(QString::fromLatin1(page.caption));
    setTwipsSize(4335, 1215);
    lblNoAddOnModule = placed(new VbLabel(this), 240, 360, 3855, 315);
    lblNoAddOnModule->setAlignment(Qt::AlignCenter);
    lblNoAddOnModule->setCaption(QString::fromLatin1(page.notice));
}
