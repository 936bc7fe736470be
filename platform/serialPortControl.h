#pragma once
// The serial line to the panel (direct or through a modem), with the members the link
// code drives: CommPort, Settings, PortOpen, DTREnable, RTSEnable, Output, Input,
// InBufferCount.
//
// COM port n (1..16) is the device /dev/ttyUSB<n-1>; the environment variable
// B3_COM<n> names another device for that one port (B3_COM3=/dev/pts/7), so an
// unusual adapter or a pseudo-terminal can stand in.

#include <QObject>
#include <QSerialPort>
#include <cstdint>
#include <string>

class SerialPortControl : public QObject {
    Q_OBJECT
public:
    explicit SerialPortControl(QObject* parent = nullptr);

    static std::string DevicePath(int port);

    int16_t CommPort = 1;
    // "baud,parity,data bits,stop bits", e.g. "115200,n,8,1".
    std::string Settings = "9600,n,8,1";

    bool PortOpen() const { return port_.isOpen(); }
    // Throws LinkError when the port cannot be opened or the settings are not valid.
    void setPortOpen(bool open);

    bool DTREnable() const { return dtr_; }
    bool RTSEnable() const { return rts_; }
    // Lines a device refuses (a pseudo-terminal has none) are remembered, not fatal.
    void setDTREnable(bool on);
    void setRTSEnable(bool on);

    void Output(const std::string& text);
    // Everything waiting, removed from the buffer.
    std::string Input();
    int InBufferCount();

    // Blocks, handling no events, until more characters arrive or `ms` pass.
    void waitForInput(int64_t ms);

private:
    void applySettings();
    void applyLines();
    void pullPending();

    QSerialPort port_;
    bool dtr_ = false;
    bool rts_ = false;
};

// The program's one serial control, owned by the application object.
SerialPortControl& comGW();
