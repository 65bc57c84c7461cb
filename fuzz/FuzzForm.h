#pragma once

#include "ExactBuffer.h"
#include "commands/Form.h"

#include <QHash>

// The window for fuzzing. Every control is a drop-down with a fixed number of
// items (2 to 41, taken from its name), so an index outside them leaves no
// selection, as on the window. Texts and indices that were never written come
// from the fuzz input when a source is given: each text read takes the next piece
// up to a 0xFF byte, each index read the next byte as a signed number.
class FuzzForm : public Form
{
public:
    FuzzForm() = default;
    FuzzForm(InputReader *source, ExactBuffers *buffers) : m_source(source), m_buffers(buffers) {}

    QHash<QString, QByteArray> texts;
    QHash<QString, int> indices;

    static int itemCount(const QString &control) { return int(qHash(control, 380) % 40) + 2; }

    QByteArray text(const QString &control) const override
    {
        if (auto known = texts.constFind(control); known != texts.cend())
            return *known;
        if (!m_source)
            return {};
        const auto [data, size] = m_source->until(0xFF);
        return m_buffers->hold(data, size);
    }
    int index(const QString &control) const override
    {
        if (auto known = indices.constFind(control); known != indices.cend())
            return *known;
        return m_source ? int(int8_t(m_source->byte())) : -1;
    }
    void setText(const QString &control, const QByteArray &text) override { texts[control] = text; }
    void appendText(const QString &control, const QByteArray &text) override { texts[control] += text; }
    void setIndex(const QString &control, int index) override
    {
        indices[control] = index >= 0 && index < itemCount(control) ? index : -1;
    }
    void setChecked(const QString &, bool) override {}
    void setEnabled(const QString &, bool) override {}
    void setShown(const QString &, bool) override {}

private:
    InputReader *m_source = nullptr;
    ExactBuffers *m_buffers = nullptr;
};
