#pragma once

#include <QByteArray>
#include <functional>

class Form;
struct ExchangeState;

// The gateway link's receive path, once the handler's wait is over. It reads
// only while the link-mode selector holds exactly the gateway item; then it
// stores and shows everything pending and, by the expected reply code, leaves
// it at that (1001), takes the model from a "TY:" answer (1003) or starts the
// parse timer (every other code).
void gatewayDataReadable(Form &form, ExchangeState &exchange, const std::function<QByteArray()> &readPending,
                         const std::function<void()> &startParseTimer);
