#pragma once

#include "commands/Command.h"

class Form;
class Transport;
struct ExchangeState;

// The end of every command handler: store the expected code, show the text in
// the send buffer, empty the receive buffer, hand the text to its transport.
class SendStep
{
public:
    SendStep(Form &form, ExchangeState &exchange, Transport &serial, Transport &gateway);

    void send(const Command &command);

private:
    Form &m_form;
    ExchangeState &m_exchange;
    Transport &m_serial;
    Transport &m_gateway;
};
