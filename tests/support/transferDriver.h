#pragma once
// What the transfer tests share: a connected connect form over loopback TCP or a
// pseudo-terminal, typing into the password boxes, and reading the block frames the
// fake panel received.

#include <QString>
#include <functional>
#include <string>
#include <vector>

class AppHarness;
class FakePanel;
class frmB3Connect;

inline constexpr int kTransferBlocks = 640;

// Connects the connect form to `panel`, over TCP at `address`, or over a
// pseudo-terminal as COM1 when `address` is empty. The panel's node table is made
// to match a new configuration, so that no hardware question comes up.
frmB3Connect* ConnectTo(const AppHarness& app, FakePanel& panel, const std::string& address);
// Types each character into whichever box holds the focus at the time.
void TypeIntoFocus(frmB3Connect* form, const QString& keys);
// The block number the progress label shows ("Downloading Block 5 Of 640" gives 5),
// 0 while it shows no block.
int BlockShown(const frmB3Connect* form);
// Runs `action` once, from inside a running transfer, as soon as `reached` holds.
void WhenDuringTransfer(frmB3Connect* form, std::function<bool()> reached, std::function<void()> action);
// The memory address of each block frame (write, clear or read) in `frames`;
// -1 for a frame that is none of them.
std::vector<int> BlockAddresses(const std::vector<std::string>& frames);
// The fake panel's whole memory against the host's image, entry by entry.
bool PanelHoldsImage(const FakePanel& panel);
