#include "ui/InputFilters.h"

#include "commands/Gbk.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <cstring>
#include <functional>
#include <optional>

namespace {

// The character code a keystroke types, as the field would receive it; none
// for keys that only move the caret, delete forward or move the focus.
std::optional<char16_t> typedCharacter(const QKeyEvent &key)
{
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    case Qt::Key_Backspace:
        return Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return u'\r';
    case Qt::Key_Escape:
        return char16_t(27);
    default:
        break;
    }
    const Qt::KeyboardModifiers mods = key.modifiers();
    // A clipboard or editing shortcut arrives as its control character (Ctrl+V is 22).
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && key.key() >= Qt::Key_A &&
        key.key() <= Qt::Key_Z)
        return char16_t(key.key() - Qt::Key_A + 1);
    const QString text = key.text();
    if (text.isEmpty())
        return std::nullopt;
    return text.at(0).unicode();
}

class KeyFilter : public QObject
{
public:
    KeyFilter(QLineEdit *edit, const TypingRule &rule, std::function<void(qsizetype)> afterKey)
        : QObject(edit), m_edit(edit), m_rule(rule), m_afterKey(std::move(afterKey))
    {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            return refuses(static_cast<QKeyEvent *>(event));
        if (event->type() == QEvent::InputMethod)
            return refuses(static_cast<QInputMethodEvent *>(event));
        return QObject::eventFilter(watched, event);
    }

private:
    bool refuses(const QKeyEvent *key)
    {
        const std::optional<char16_t> typed = typedCharacter(*key);
        if (!typed)
            return false;
        // The whole text counts, selected or not.
        const qsizetype before = toGbk(m_edit->text()).size();
        const bool accepted = acceptsTyped(m_rule, *typed, before);
        if (m_afterKey)
            m_afterKey(before);
        return !accepted;
    }

    // Characters composed by an input method are typed characters too, each one
    // against the text the one before it left: several committed at once are handed
    // to the field one by one, and only the refused ones stay out.
    bool refuses(QInputMethodEvent *composed)
    {
        const QString committed = composed->commitString();
        if (committed.isEmpty())
            return false;
        const qsizetype first = committed.at(0).isHighSurrogate() && committed.size() > 1 ? 2 : 1;
        if (committed.size() == first) {
            const qsizetype before = toGbk(m_edit->text()).size();
            const bool accepted = acceptsTyped(m_rule, committed.at(0).unicode(), before);
            if (m_afterKey)
                m_afterKey(before);
            return !accepted;
        }
        for (qsizetype i = 0; i < committed.size();) {
            const qsizetype length = committed.at(i).isHighSurrogate() && i + 1 < committed.size() ? 2 : 1;
            QInputMethodEvent one;
            one.setCommitString(committed.mid(i, length));
            QCoreApplication::sendEvent(m_edit, &one);
            i += length;
        }
        QInputMethodEvent rest(composed->preeditString(), composed->attributes());
        QCoreApplication::sendEvent(m_edit, &rest);
        return true;
    }

    QLineEdit *m_edit;
    TypingRule m_rule;
    std::function<void(qsizetype)> m_afterKey;
};

} // namespace

bool acceptsTyped(const TypingRule &rule, char16_t typed, qsizetype lengthBefore)
{
    if (typed == Backspace)
        return true;
    if (!typeable(rule.characters, typed))
        return false;
    return rule.mostBytes < 0 || lengthBefore < rule.mostBytes;
}

void installInputFilters(QWidget *window)
{
    for (const TypingRule &rule : typingRules()) {
        auto *edit = window->findChild<QLineEdit *>(QLatin1String(rule.field));
        if (!edit)
            continue;
        std::function<void(qsizetype)> afterKey;
        if (std::strcmp(rule.field, "RS485DTM") == 0) {
            // The button is usable when the text a keystroke finds is two characters long.
            QPointer<QPushButton> set = window->findChild<QPushButton *>(QStringLiteral("Button83"));
            afterKey = [set](qsizetype before) {
                if (set)
                    set->setEnabled(before == 2);
            };
        }
        new KeyFilter(edit, rule, std::move(afterKey));
    }
}
