#pragma once

class QWidget;

// The send buffer and the receive buffer below the pages.
void buildBufferRows(QWidget *window);
