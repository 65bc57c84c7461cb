#pragma once

#include <QString>

class TComm;
struct LinkTarget;

// Opens the target's serial device; SessionError (Link) naming the device, where
// the port library looked for it, and the likely cause.
void openSerialTarget(TComm &serial, const LinkTarget &target);

// Why a connection to the gateway failed, in the user's words, by the socket error's number.
QString gatewayCause(int socketErrorNumber);
