#pragma once
// The TCP/IP link to the panel, with the members the link code drives: LocalPort,
// RemoteHost, RemotePort, Connect, State, SendData, GetData, BytesReceived, Close.

#include <QObject>
#include <QTcpSocket>
#include <cstdint>
#include <string>

class SocketControl : public QObject {
    Q_OBJECT
public:
    // The state codes the link code compares with.
    enum StateCode : int { sckClosed = 0, sckResolvingHost = 4, sckConnecting = 6, sckConnected = 7, sckClosing = 8, sckError = 9 };

    explicit SocketControl(QObject* parent = nullptr);

    int LocalPort = 0;    // 0: any local port
    std::string RemoteHost;
    int RemotePort = 0;

    void Connect();
    int State() const;
    void SendData(const std::string& text);
    std::string GetData();
    int BytesReceived() const;
    void Close();

    // Runs the event loop until the socket is connected or `ms` pass.
    void waitForConnection(int64_t ms);
    // Runs the event loop until `count` characters are waiting, the peer closes, or
    // `ms` pass; a reply is seen the moment it arrives.
    void waitForInput(int count, int64_t ms);

private:
    QTcpSocket socket_;
    bool failed_ = false;
};

// The program's one socket control, owned by the application object.
SocketControl& WinSockGW();
