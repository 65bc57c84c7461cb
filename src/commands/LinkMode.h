#pragma once

class Form;

// Index 0 of the link-mode selector is the serial link; every other index,
// -1 for typed text included, is the network gateway.
bool isIpMode(const Form &form);

// The gateway's receive path acts only on the exact gateway item.
bool isGatewayItemSelected(const Form &form);

// Selects the link the commands are built for: the serial item or the gateway item.
void setLinkMode(Form &form, bool viaGateway);
