#pragma once
// A stand-in for the connect form, for tests of the main window alone: it installs
// the connect-form hooks when it loads and records what the main window asks of it.
//
//   ConnectFormProbe& probe = InstallFakeConnectForm();   // before AppHarness starts
//   AppHarness app;
//   EXPECT_EQ(probe.disconnects, 1);
//
// Installing it replaces the real connect form for the rest of the test process.

#include <optional>

struct ConnectFormProbe {
    int loads = 0;
    int disconnects = 0;
    int pollTimerStops = 0;
    int transferCancels = 0;
    std::optional<bool> networkDiagnosticsVisible;
    bool linkBusy = false;
};

ConnectFormProbe& InstallFakeConnectForm();
