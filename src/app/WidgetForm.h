#pragma once

#include "commands/Form.h"

#include <QHash>

class QWidget;

// The window's controls seen through the protocol's Form, by objectName. Text
// crosses here between GBK bytes and the widgets' Unicode.
class WidgetForm : public Form
{
public:
    explicit WidgetForm(QWidget *window);

    QByteArray text(const QString &control) const override;
    int index(const QString &control) const override;
    void setText(const QString &control, const QByteArray &text) override;
    void appendText(const QString &control, const QByteArray &text) override;
    void setIndex(const QString &control, int index) override;
    void setChecked(const QString &control, bool checked) override;
    void setEnabled(const QString &control, bool enabled) override;
    void setShown(const QString &control, bool shown) override;

private:
    QWidget *find(const QString &control) const;

    QWidget *m_window;
    mutable QHash<QString, QWidget *> m_found;
};
