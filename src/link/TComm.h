#pragma once

#include "link/Transport.h"

#include <QByteArray>
#include <QObject>

#include <functional>
#include <optional>

class QThread;
class SerialLine;

// The serial port component: fixed line settings (9600 bit/s, 8 data bits, no
// parity, 1 stop bit, DTR and RTS asserted, no flow control), writes that never
// block the window, and received pieces delivered in order on the window's thread.
class TComm : public QObject, public Transport
{
    Q_OBJECT
public:
    // How long the end of the program waits for the port to close.
    static constexpr int MostExitWaitMs = 5000;

    explicit TComm(QObject *parent = nullptr);
    ~TComm() override;

    QString CommName;

    // Raises CommsError when the port cannot be opened; nothing stays held then.
    // The window keeps painting while the device opens or closes, however long
    // it takes; what the user does meanwhile is handled afterwards.
    void OpenPort();
    void ClosePort();
    // False, sending nothing, when the port is closed or the data empty.
    bool WritePort(const QByteArray &data);
    bool isOpen() const { return m_open; }

    bool send(const QByteArray &text) override { return WritePort(text); }

signals:
    // One piece of 1 to 2048 bytes; NUL bytes included.
    void ReceiveData(const QByteArray &piece);
    // Bytes came in; their piece follows once it is whole.
    void BytesArrived();
    // The device vanished (adapter pulled, far end closed), after its last piece.
    void LineLost();

private:
    // The work's answer; none when the wait ended before the work did.
    std::optional<QString> runOnIoThread(std::function<QString(SerialLine &)> work);

    QThread *m_thread;
    SerialLine *m_io;
    bool m_open = false;
};
