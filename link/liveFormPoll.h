#pragma once
// What every form that reads a connected panel on its own shares: a poll timer that
// never starts a second exchange while one is awaited, and a status query whose
// failure counts as a lost panel.

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/engine/panelCommands.h"

// A timer whose ticks are skipped, not failed, while the link is busy: over TCP/IP
// the reply wait yields, and a poll started inside it would drain the reply awaited.
class LivePollTimer : public QObject {
    Q_OBJECT
public:
    explicit LivePollTimer(int intervalMs, QObject* parent = nullptr);

    void setInterval(int intervalMs) { timer_.setInterval(intervalMs); }
    int interval() const { return timer_.interval(); }
    void start() { timer_.start(); }
    void stop() { timer_.stop(); }
    bool isActive() const { return timer_.isActive(); }

signals:
    void Timer();

private:
    QTimer timer_;
};

// One status query through SendCommand. A failed query calls ConnectionLost (which
// closes the child forms), unless the link was taken down while the reply was
// awaited. True only for a good reply with `owner` still loaded, so the caller may
// paint from sReply; on false the caller returns without touching itself.
bool QueryPanelStatus(const QObject* owner, const PanelCommand& command);
// The same for a page of 48 item characters (relays, groups, inputs, presets).
std::optional<std::string> QueryItemPage(const QObject* owner, const PanelCommand& command);
// The same for a reply of `count` hex bytes (the station tables, the dimmer levels).
std::optional<std::vector<uint8_t>> QueryPanelBytes(const QObject* owner, const PanelCommand& command, int count);

// A switching command whose result does not matter. Dropped while the link is busy.
// True when `owner` is still loaded afterwards.
bool SendPanelCommand(const QObject* owner, const PanelCommand& command);
