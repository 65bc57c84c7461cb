#pragma once

#include "commands/Form.h"

#include <QHash>
#include <QSet>

// The window as a map, for protocol tests: texts, indices, ticks, enabled and shown states.
class MapForm : public Form
{
public:
    QHash<QString, QByteArray> texts;
    QHash<QString, int> indices;
    QHash<QString, bool> checked;
    QHash<QString, bool> enabled;
    QHash<QString, bool> shown;
    // Item counts of drop-downs: an index outside them leaves no selection.
    QHash<QString, int> itemCounts;

    QByteArray text(const QString &control) const override { return texts.value(control); }
    int index(const QString &control) const override { return indices.value(control, -1); }
    void setText(const QString &control, const QByteArray &text) override { texts[control] = text; }
    void appendText(const QString &control, const QByteArray &text) override { texts[control] += text; }
    void setIndex(const QString &control, int index) override
    {
        const int count = itemCounts.value(control, 1000);
        indices[control] = index >= 0 && index < count ? index : -1;
    }
    void setChecked(const QString &control, bool on) override { checked[control] = on; }
    void setEnabled(const QString &control, bool on) override { enabled[control] = on; }
    void setShown(const QString &control, bool on) override { shown[control] = on; }
};
