#include "ui/SystemParameterPage.h"

#include "link/SerialPortNames.h"
#include "ui/Controls.h"
#include "ui/DropDown.h"

#include <QPushButton>

namespace {

void buildLinkControls(QWidget *page)
{
    label(page, QStringLiteral("Label1"), QStringLiteral("Communication Connection:"), {8, 12, 140, 16});
    dropDown(page, QStringLiteral("ComboBox2"),
             {QStringLiteral("COM Serial Communication"), QStringLiteral("IP Network Communication")}, 0,
             {150, 8, 180, 22});
    label(page, QStringLiteral("Label2"), QStringLiteral("COM Port:"), {344, 12, 56, 16});
    dropDown(page, QStringLiteral("SPREALCOM"), serialPortChoices(), 0, {402, 8, 110, 22});
    button(page, QStringLiteral("Button10"), QStringLiteral("Open"), {520, 7, 75, 25});
    button(page, QStringLiteral("Button14"), QStringLiteral("Communication Test"), {603, 7, 130, 25});

    label(page, QStringLiteral("Label3"), QStringLiteral("Model Number:"), {8, 42, 140, 16});
    dropDown(page, QStringLiteral("MKXINGHAO"),
             {QStringLiteral("0 NET"), QStringLiteral("1 TL380H-A"), QStringLiteral("2 TL380H-B")}, 0,
             {150, 38, 180, 22});
    button(page, QStringLiteral("Button15"), QStringLiteral("Set"), {338, 37, 60, 25})->hide();
}

} // namespace

void buildSystemParameterPage(QWidget *page)
{
    buildLinkControls(page);
    button(page, QStringLiteral("Button19"), QStringLiteral("Parameter Initialization"), {420, 318, 180, 33});
    label(page, QStringLiteral("Label20"), {}, {0, 345, 57, 22});
}
