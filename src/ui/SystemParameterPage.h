#pragma once

class QWidget;

// "System Parameter": the link controls at the top, the gateway group, the
// system settings and the two large buttons at the bottom.
void buildSystemParameterPage(QWidget *page);
