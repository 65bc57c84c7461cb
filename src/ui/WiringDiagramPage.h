#pragma once

class QWidget;

// "Wiring Diagram": one picture of the board and its terminal strip.
void buildWiringDiagramPage(QWidget *page);
