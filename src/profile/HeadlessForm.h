#pragma once

#include "commands/Form.h"

#include <QHash>
#include <QStringList>

// The window's controls without the window: texts, selections and ticks by
// control name. A drop-down holds the items the window gives it, shows the item
// text of its selection and, like the window's, drops an index it has no item for.
class HeadlessForm : public Form
{
public:
    QByteArray text(const QString &control) const override;
    int index(const QString &control) const override;

    void setText(const QString &control, const QByteArray &text) override;
    void appendText(const QString &control, const QByteArray &text) override;
    void setIndex(const QString &control, int index) override;
    void setChecked(const QString &control, bool checked) override;
    void setEnabled(const QString &, bool) override {}
    void setShown(const QString &, bool) override {}

    // The selection or text as the window shows it, as Unicode.
    QString shown(const QString &control) const;
    // Selects the first item showing exactly `item`; false, changing nothing, when none does.
    bool select(const QString &control, const QString &item);
    // Whether the control holds a value: a drop-down an item, a field any text written to it.
    bool holds(const QString &control) const;
    // Back to no value anywhere, as before the first answer.
    void clear();

private:
    QHash<QString, QByteArray> m_texts;
    QHash<QString, int> m_indices;
    QHash<QString, bool> m_checked;
};
