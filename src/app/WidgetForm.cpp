#include "app/WidgetForm.h"

#include "commands/Gbk.h"
#include "ui/DropDown.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

WidgetForm::WidgetForm(QWidget *window) : m_window(window) {}

QWidget *WidgetForm::find(const QString &control) const
{
    auto known = m_found.constFind(control);
    if (known != m_found.cend())
        return *known;
    auto *widget = m_window->findChild<QWidget *>(control);
    m_found.insert(control, widget);
    return widget;
}

QByteArray WidgetForm::text(const QString &control) const
{
    QWidget *w = find(control);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return toGbk(edit->text());
    if (auto *box = qobject_cast<QComboBox *>(w))
        return toGbk(dropDownValue(box));
    if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
        return toGbk(memo->toPlainText());
    if (auto *l = qobject_cast<QLabel *>(w))
        return toGbk(l->text());
    return {};
}

int WidgetForm::index(const QString &control) const
{
    if (auto *box = qobject_cast<QComboBox *>(find(control)))
        return box->currentIndex();
    return -1;
}

void WidgetForm::setText(const QString &control, const QByteArray &text)
{
    QWidget *w = find(control);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setText(fromGbk(text));
    else if (auto *box = qobject_cast<QComboBox *>(w))
        showDropDownValue(box, fromGbk(text));
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
        memo->setPlainText(fromGbk(text));
    else if (auto *l = qobject_cast<QLabel *>(w))
        l->setText(fromGbk(text));
    else if (auto *b = qobject_cast<QAbstractButton *>(w))
        b->setText(fromGbk(text));
}

void WidgetForm::appendText(const QString &control, const QByteArray &text)
{
    // At the end of the document, so the cost does not grow with what the box holds.
    if (auto *memo = qobject_cast<QPlainTextEdit *>(find(control))) {
        QTextCursor end(memo->document());
        end.movePosition(QTextCursor::End);
        end.insertText(fromGbk(text));
    }
}

void WidgetForm::setIndex(const QString &control, int index)
{
    if (auto *box = qobject_cast<QComboBox *>(find(control)))
        box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

void WidgetForm::setChecked(const QString &control, bool checked)
{
    if (auto *b = qobject_cast<QAbstractButton *>(find(control)))
        b->setChecked(checked);
}

void WidgetForm::setEnabled(const QString &control, bool enabled)
{
    if (QWidget *w = find(control))
        w->setEnabled(enabled);
}

void WidgetForm::setShown(const QString &control, bool shown)
{
    if (QWidget *w = find(control))
        w->setVisible(shown);
}
