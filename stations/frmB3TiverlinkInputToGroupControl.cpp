#include "stations/frmB3TiverlinkInputToGroupControl.h"

#include "platform/childFormRegistry.h"

B3_REGISTER_CHILD_FORM(frmB3TiverlinkInputToGroupControl)

frmB3TiverlinkInputToGroupControl::frmB3TiverlinkInputToGroupControl()
    : StationInputControlForm(QStringLiteral("frmB3TiverlinkInputToGroupControl"),
                              QStringLiteral("Tiverlink Input To Group Control"), InputControlTable::Groups)
{
}
