#pragma once
// What every form that reads a connected panel on its own shares, live form or not: a
// poll timer that never starts a second exchange while one is awaited, the same guard
// for a poll started by a click, and queries through the door (link/panelDoor.h)
// whose failure counts as a lost panel, or, where the form wants it, passes silently.

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
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

// Runs `poll` unless an exchange is already awaited (a click then is dropped): a poll
// of several reads must not begin inside another's wait.
void PollUnlessLinkBusy(const std::function<void()>& poll);

enum class QueryFailure {
    LosesPanel,  // ConnectionLost, which closes the child forms
    IsSilent,    // nothing happens; the form keeps what it shows
};

// One status query. A failed query calls ConnectionLost (unless the link was taken
// down while the reply was awaited, or `failure` is IsSilent). The reply only when it
// is good and `owner` still exists; otherwise the caller returns without touching
// itself. A query refused because the link is busy returns nothing and fails nothing.
std::optional<std::string> QueryPanelStatus(const QObject* owner, const PanelCommand& command,
                                            QueryFailure failure = QueryFailure::LosesPanel);
// The same for a page of 48 item characters (relays, groups, inputs, presets).
std::optional<std::string> QueryItemPage(const QObject* owner, const PanelCommand& command);
// The same for a reply of `count` hex bytes (the station tables, the dimmer levels).
std::optional<std::vector<uint8_t>> QueryPanelBytes(const QObject* owner, const PanelCommand& command, int count,
                                                    QueryFailure failure = QueryFailure::LosesPanel);
