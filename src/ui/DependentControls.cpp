#include "ui/DependentControls.h"

#include "commands/Form.h"
#include "replies/ApnRule.h"
#include "ui/DropDown.h"

#include <QComboBox>
#include <QWidget>

void applyPulseButtonRule(Form &form, const QString &modeDropDown, const QString &button)
{
    form.setEnabled(button, form.index(modeDropDown) == 1);
}

void bindDependentControls(QWidget *window, Form &form)
{
    auto dropDown = [window](const char *name) {
        return window->findChild<QComboBox *>(QLatin1String(name));
    };
    Form *target = &form;
    onUserChange(dropDown("NETCS"), window, [target] { applyApnRule(*target); });
    onUserChange(dropDown("DIN1"), window, [target] {
        applyPulseButtonRule(*target, QStringLiteral("DIN1"), QStringLiteral("Button52"));
    });
    onUserChange(dropDown("DIN2"), window, [target] {
        applyPulseButtonRule(*target, QStringLiteral("DIN2"), QStringLiteral("Button53"));
    });
}
