#include "commands/Form.h"
#include "commands/IntegerConversion.h"
#include "replies/ReplyBranch.h"

void applyRow(const ReplyRow &row, const WorkingText &text, Form &form)
{
    const auto at = text.find(row.tag);
    if (!at)
        return;
    const QString target = QLatin1String(row.target);
    switch (row.rule) {
    case Rule::Text:
        form.setText(target, text.field(*at, row.offset, row.length));
        break;
    case Rule::Index: {
        const int value = toInteger(text.field(*at, row.offset, row.length));
        form.setIndex(target, row.mapping ? row.mapping(value) : value);
        break;
    }
    case Rule::Flag:
        form.setChecked(target, text.character(*at, row.offset) == '1');
        break;
    case Rule::TextToSeparator:
        form.setText(target, text.toSeparator(*at, row.offset));
        break;
    }
    if (row.then)
        row.then(form);
}

void applyRows(std::span<const ReplyRow> rows, const WorkingText &text, Form &form)
{
    for (const ReplyRow &row : rows)
        applyRow(row, text, form);
}
