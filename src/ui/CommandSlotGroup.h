#pragma once

class QGroupBox;
class QWidget;

// The names of one user command slot: its group, enable drop-down, command
// field, the three response byte fields and the four buttons.
struct CommandSlot
{
    const char *group;
    const char *title;
    const char *enable;
    bool enableShowsText; // starts showing "0-Close" without a selection
    const char *command;
    const char *bytes[3];
    const char *commandQuery;
    const char *commandSet;
    const char *responseQuery;
    const char *responseSet;
};

// Two rows: enable, command, "Query" and "Set"; then the three response bytes
// under "Response Data Parsing", "Query" and "Set".
QGroupBox *commandSlotGroup(QWidget *page, const CommandSlot &slot);
