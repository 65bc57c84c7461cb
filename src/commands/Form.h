#pragma once

#include <QByteArray>
#include <QString>

// The window as the protocol sees it: named controls holding 8-bit (GBK) text
// and selection indices. Builders read through it, the parser writes through it.
class Form
{
public:
    virtual ~Form() = default;

    virtual QByteArray text(const QString &control) const = 0;
    virtual int index(const QString &control) const = 0;

    virtual void setText(const QString &control, const QByteArray &text) = 0;
    // Adds text at the end of a multi-line box, whatever it holds already; CR LF,
    // CR and LF each start a new line.
    virtual void appendText(const QString &control, const QByteArray &text) = 0;
    // An index without an item leaves the drop-down with no selection.
    virtual void setIndex(const QString &control, int index) = 0;
    virtual void setChecked(const QString &control, bool checked) = 0;
    virtual void setEnabled(const QString &control, bool enabled) = 0;
    virtual void setShown(const QString &control, bool shown) = 0;
};
