#pragma once

class QWidget;

// "AD/DI Channel Configuration": channel sources, pulse channels, digital input
// modes, analog ranges, pulse base values and equivalents, and the read button.
void buildChannelPage(QWidget *page);
