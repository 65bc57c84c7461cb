#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Runs the handler on a click or a double click anywhere on a widget that has
// no click signal of its own (a label).
void onClickOrDoubleClick(QWidget *widget, const std::function<void()> &handler);
