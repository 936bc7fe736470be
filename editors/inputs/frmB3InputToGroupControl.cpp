#include "editors/inputs/frmB3InputToGroupControl.h"

#include "core/modB3Glimwarden.h"
#include "platform/childFormRegistry.h"

B3_REGISTER_CHILD_FORM(frmB3InputToGroupControl)

frmB3InputToGroupControl::frmB3InputToGroupControl()
    : InputControlForm(QStringLiteral("frmB3InputToGroupControl"), QStringLiteral("Input To Group Control"),
                       InputControlTable::Groups, tConfig.iInputToGroupControl)
{
    setToolTips(lblGroupName, "Group ", grid.rows());
}
