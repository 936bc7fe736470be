#include "platform/serialPortControl.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <poll.h>

#include "platform/latin1.h"
#include "platform/linkError.h"

namespace {

QSerialPort::Parity parityOf(const QString& code)
{
    const QString c = code.toLower();
    if (c == "n") return QSerialPort::NoParity;
    if (c == "e") return QSerialPort::EvenParity;
    if (c == "o") return QSerialPort::OddParity;
    if (c == "m") return QSerialPort::MarkParity;
    if (c == "s") return QSerialPort::SpaceParity;
    throw LinkError("invalid parity in port settings");
}

} // namespace

SerialPortControl::SerialPortControl(QObject* parent) : QObject(parent)
{
    // A peer that goes away shows as a read error while the port stays open; close it
    // so the link code sees a closed port rather than waiting on a dead one.
    connect(&port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if ((error == QSerialPort::ResourceError || error == QSerialPort::ReadError) && port_.isOpen()) port_.close();
    });
}

std::string SerialPortControl::DevicePath(int port)
{
    const QByteArray overrideVar = "B3_COM" + QByteArray::number(port);
    const QByteArray custom = qgetenv(overrideVar.constData());
    if (!custom.isEmpty()) return custom.toStdString();
    return "/dev/ttyUSB" + std::to_string(port - 1);
}

void SerialPortControl::setPortOpen(bool open)
{
    if (!open) {
        if (port_.isOpen()) port_.close();
        return;
    }
    if (port_.isOpen()) throw LinkError("port already open");
    if (CommPort < 1) throw LinkError("invalid port number");
    port_.setPortName(toQ(DevicePath(CommPort)));
    if (!port_.open(QIODevice::ReadWrite)) throw LinkError("port cannot be opened");
    try {
        applySettings();
    } catch (...) {
        port_.close();
        throw;
    }
    port_.clear();
    applyLines();
}

void SerialPortControl::applySettings()
{
    const QStringList parts = toQ(Settings).split(',');
    if (parts.size() != 4) throw LinkError("invalid port settings");
    bool okBaud = false, okData = false;
    const int baud = parts[0].trimmed().toInt(&okBaud);
    const int dataBits = parts[2].trimmed().toInt(&okData);
    const QString stop = parts[3].trimmed();
    if (!okBaud || baud <= 0 || !okData || dataBits < 5 || dataBits > 8) throw LinkError("invalid port settings");
    if (stop != "1" && stop != "2" && stop != "1.5") throw LinkError("invalid stop bits");
    port_.setBaudRate(baud);
    port_.setParity(parityOf(parts[1].trimmed()));
    port_.setDataBits(static_cast<QSerialPort::DataBits>(dataBits));
    port_.setStopBits(stop == "1" ? QSerialPort::OneStop : stop == "2" ? QSerialPort::TwoStop : QSerialPort::OneAndHalfStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
}

void SerialPortControl::applyLines()
{
    if (!port_.isOpen()) return;
    port_.setDataTerminalReady(dtr_);
    port_.setRequestToSend(rts_);
    if (port_.error() == QSerialPort::UnsupportedOperationError) port_.clearError();
}

void SerialPortControl::setDTREnable(bool on)
{
    dtr_ = on;
    applyLines();
}

void SerialPortControl::setRTSEnable(bool on)
{
    rts_ = on;
    applyLines();
}

void SerialPortControl::Output(const std::string& text)
{
    if (!port_.isOpen()) throw LinkError("port not open");
    port_.write(text.data(), static_cast<qint64>(text.size()));
    // The caller blocks right after sending; push the characters out now.
    while (port_.isOpen() && port_.bytesToWrite() > 0)
        if (!port_.waitForBytesWritten(1000)) break;
}

void SerialPortControl::pullPending()
{
    // Reads what the device already holds into the buffer, waiting for nothing.
    if (port_.isOpen()) port_.waitForReadyRead(0);
}

std::string SerialPortControl::Input()
{
    pullPending();
    if (!port_.isOpen()) return {};
    return port_.readAll().toStdString();
}

int SerialPortControl::InBufferCount()
{
    pullPending();
    return port_.isOpen() ? static_cast<int>(port_.bytesAvailable()) : 0;
}

void SerialPortControl::waitForInput(int64_t ms)
{
    if (!port_.isOpen() || ms <= 0) return;
    // Polled here rather than in QSerialPort, which spins on a line that hung up.
    pollfd p{static_cast<int>(port_.handle()), POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(ms)) <= 0) return;
    const qint64 before = port_.bytesAvailable();
    if (p.revents & POLLIN) port_.waitForReadyRead(0);
    // A line that hung up stays readable for ever with nothing to read: close it.
    const bool hungUp = (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
    if (hungUp && port_.isOpen() && port_.bytesAvailable() == before) port_.close();
}

SerialPortControl& comGW()
{
    static QPointer<SerialPortControl> control;
    if (!control) control = new SerialPortControl(QCoreApplication::instance());
    return *control;
}
