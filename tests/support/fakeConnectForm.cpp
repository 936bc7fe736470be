#include "fakeConnectForm.h"

#include "platform/childForm.h"
#include "platform/childFormRegistry.h"
#include "shell/mainServices.h"

namespace {

ConnectFormProbe& probe()
{
    static ConnectFormProbe p;
    return p;
}

class FakeConnectForm : public ChildForm {
public:
    FakeConnectForm() : ChildForm("frmB3Connect")
    {
        ++probe().loads;
        ConnectFormHooks hooks;
        hooks.disconnectGW = [] { ++probe().disconnects; };
        hooks.stopPollTimer = [] { ++probe().pollTimerStops; };
        hooks.setNetworkDiagnosticsVisible = [](bool visible) { probe().networkDiagnosticsVisible = visible; };
        hooks.isLinkBusy = [] { return probe().linkBusy; };
        hooks.cancelTransfer = [] { ++probe().transferCancels; };
        SetConnectFormHooks(std::move(hooks));
    }
};

} // namespace

ConnectFormProbe& InstallFakeConnectForm()
{
    probe() = {};
    childForms::registerFactory("frmB3Connect", [] { return new FakeConnectForm; });
    return probe();
}
