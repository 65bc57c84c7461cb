#include "link/SendStep.h"

#include "commands/ExchangeState.h"
#include "commands/Form.h"
#include "commands/LinkMode.h"
#include "link/Transport.h"

SendStep::SendStep(Form &form, ExchangeState &exchange, Transport &serial, Transport &gateway)
    : m_form(form), m_exchange(exchange), m_serial(serial), m_gateway(gateway)
{
}

void SendStep::send(const Command &command)
{
    if (command.replyCode)
        m_exchange.ExpectedReplyCode = *command.replyCode;
    m_form.setText(QStringLiteral("discomm"), command.text);
    m_form.setText(QStringLiteral("Memo8"), {});
    const bool toGateway = command.route == Route::ByLinkMode && isIpMode(m_form);
    (toGateway ? m_gateway : m_serial).send(command.text);
}
