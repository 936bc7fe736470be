#include "platform/socketControl.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include "platform/latin1.h"
#include "platform/linkError.h"

SocketControl::SocketControl(QObject* parent) : QObject(parent)
{
    connect(&socket_, &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) { failed_ = true; });
}

void SocketControl::Connect()
{
    if (socket_.state() != QAbstractSocket::UnconnectedState) throw LinkError("socket in use");
    failed_ = false;
    if (LocalPort != 0) socket_.bind(QHostAddress::AnyIPv4, static_cast<quint16>(LocalPort));
    socket_.connectToHost(toQ(RemoteHost), static_cast<quint16>(RemotePort));
}

int SocketControl::State() const
{
    switch (socket_.state()) {
    case QAbstractSocket::HostLookupState: return sckResolvingHost;
    case QAbstractSocket::ConnectingState: return sckConnecting;
    case QAbstractSocket::ConnectedState: return sckConnected;
    case QAbstractSocket::ClosingState: return sckClosing;
    default: return failed_ ? sckError : sckClosed;
    }
}

void SocketControl::SendData(const std::string& text)
{
    if (socket_.state() != QAbstractSocket::ConnectedState) throw LinkError("socket not connected");
    socket_.write(text.data(), static_cast<qint64>(text.size()));
    socket_.flush();
}

std::string SocketControl::GetData() { return socket_.readAll().toStdString(); }

int SocketControl::BytesReceived() const { return static_cast<int>(socket_.bytesAvailable()); }

void SocketControl::Close()
{
    socket_.abort();
    failed_ = false;
}

void SocketControl::waitForConnection(int64_t ms)
{
    if (socket_.state() == QAbstractSocket::ConnectedState || ms <= 0) return;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(&socket_, &QAbstractSocket::connected, &loop, &QEventLoop::quit);
    deadline.start(static_cast<int>(ms));
    loop.exec();
}

void SocketControl::waitForInput(int count, int64_t ms)
{
    if (BytesReceived() >= count || ms <= 0 || socket_.state() != QAbstractSocket::ConnectedState) return;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(&socket_, &QIODevice::readyRead, &loop, [&] {
        if (BytesReceived() >= count) loop.quit();
    });
    connect(&socket_, &QAbstractSocket::disconnected, &loop, &QEventLoop::quit);
    deadline.start(static_cast<int>(ms));
    loop.exec();
}

SocketControl& WinSockGW()
{
    static QPointer<SocketControl> control;
    if (!control) control = new SocketControl(QCoreApplication::instance());
    return *control;
}
