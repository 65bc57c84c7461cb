#pragma once

class QWidget;

// The top 72 pixels: the logo, the title, the version and the maker's contact lines.
void buildWindowHeader(QWidget *window);
