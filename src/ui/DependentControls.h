#pragma once

class Form;
class QString;
class QWidget;

// "Pulse Counting" (index 1) of a digital input mode enables the "Set" button
// of that input's pulse base value; anything else disables it.
void applyPulseButtonRule(Form &form, const QString &modeDropDown, const QString &button);

// NETCSChange, DIN1Change and DIN2Change: the rules run when the user picks or
// edits, never when the program writes the drop-downs.
void bindDependentControls(QWidget *window, Form &form);
