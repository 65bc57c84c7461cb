#pragma once

#include <QByteArray>
#include <functional>

class Form;
struct ExchangeState;

// The serial link's receive path: shows each piece and, by the expected reply
// code, stores it, answers the communication test or starts the parse timer.
void serialPieceReceived(Form &form, ExchangeState &exchange, const QByteArray &piece,
                         const std::function<void()> &startParseTimer);
