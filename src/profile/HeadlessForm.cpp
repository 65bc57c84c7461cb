#include "profile/HeadlessForm.h"

#include "commands/DropDownItems.h"
#include "commands/Gbk.h"

QByteArray HeadlessForm::text(const QString &control) const
{
    const QStringList items = dropDownItems(control);
    const int at = m_indices.value(control, -1);
    if (at >= 0 && at < items.size())
        return toGbk(items.at(at));
    return m_texts.value(control);
}

int HeadlessForm::index(const QString &control) const
{
    return m_indices.value(control, -1);
}

void HeadlessForm::setText(const QString &control, const QByteArray &text)
{
    // As on an editable drop-down, written text leaves the selection as it is.
    m_texts[control] = text;
}

void HeadlessForm::appendText(const QString &control, const QByteArray &text)
{
    m_texts[control] += text;
}

void HeadlessForm::setIndex(const QString &control, int index)
{
    const qsizetype count = dropDownItems(control).size();
    m_indices[control] = index >= 0 && index < count ? index : -1;
}

void HeadlessForm::setChecked(const QString &control, bool checked)
{
    m_checked[control] = checked;
}

QString HeadlessForm::shown(const QString &control) const
{
    return fromGbk(text(control));
}

bool HeadlessForm::select(const QString &control, const QString &item)
{
    const qsizetype at = dropDownItems(control).indexOf(item);
    if (at < 0)
        return false;
    m_indices[control] = int(at);
    return true;
}

bool HeadlessForm::holds(const QString &control) const
{
    if (!dropDownItems(control).isEmpty())
        return index(control) >= 0;
    return m_texts.contains(control);
}

void HeadlessForm::clear()
{
    m_texts.clear();
    m_indices.clear();
    m_checked.clear();
}
