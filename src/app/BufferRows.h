#pragma once

class QWidget;

// The send buffer and the receive buffer below the pages.
void buildBufferRows(QWidget *window);

// The profile buttons in the strip below the receive buffer, right-aligned under it.
void buildProfileRow(QWidget *window);
// Fits the row into the strip between the receive buffer and the window's lower edge.
void fitProfileRow(QWidget *window);
