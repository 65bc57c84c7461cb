#pragma once

class QGroupBox;
class QWidget;

// The group "Ethernet Params Config" of the "System Parameter" page, one row under
// the link controls: the gateway's address and port, the connection status and the
// Connect, Disconnect and Gateway Params Query buttons.
QGroupBox *buildEthernetGroup(QWidget *page);
