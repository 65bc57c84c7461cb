#include "commands/LinkMode.h"

#include "commands/Form.h"

bool isIpMode(const Form &form)
{
    return form.index(QStringLiteral("ComboBox2")) != 0;
}

bool isGatewayItemSelected(const Form &form)
{
    return form.index(QStringLiteral("ComboBox2")) == 1;
}

void setLinkMode(Form &form, bool viaGateway)
{
    form.setIndex(QStringLiteral("ComboBox2"), viaGateway ? 1 : 0);
}
