#pragma once

#include <QAbstractSocket>
#include <QString>

// Socket errors are numbered as Windows Sockets numbers them (10061 for a refused
// connection, 10054 for a reset one, ...), on every system, so that a message
// reads the same wherever the tool runs.
int socketErrorNumber(QAbstractSocket::SocketError error);

// The same numbering for an error the system reports (an errno value; on Windows already the number).
int systemErrorNumber(int systemError);

// The text that goes with a number ("No connection could be made because the
// target machine actively refused it"); empty for a number not in the table.
QString socketErrorText(int number);
