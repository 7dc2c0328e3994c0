// Drives dialogs as a user would: keystrokes into edit boxes, clicks on
// buttons, picks in combo boxes; and records the message boxes shown.
#pragma once

#include "platform/wnd/AfxMessageBox.h"
#include "platform/wnd/CWnd.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <string>
#include <vector>

namespace dialogdriver {

inline QWidget* control(CWnd& dlg, int id)
{
    CWnd* w = dlg.GetDlgItem(id);
    return w ? w->m_hWnd : nullptr;
}

inline QLineEdit* edit(CWnd& dlg, int id) { return qobject_cast<QLineEdit*>(control(dlg, id)); }

inline void key(QWidget* w, int qtKey, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &release);
}

// One key press per character, as typed.
inline void type(CWnd& dlg, int id, const char* keys)
{
    QLineEdit* e = edit(dlg, id);
    if (!e)
        return;
    for (const QChar c : QString::fromUtf8(keys)) {
        int k = Qt::Key_unknown;
        if (c.isDigit())
            k = Qt::Key_0 + c.digitValue();
        else if (c == QLatin1Char('.'))
            k = Qt::Key_Period;
        else if (c == QLatin1Char('-'))
            k = Qt::Key_Minus;
        else if (c.isLetter())
            k = Qt::Key_A + (c.toUpper().unicode() - 'A');
        key(e, k, QString(c));
    }
}

// Selects everything in the box and types over it.
inline void retype(CWnd& dlg, int id, const char* keys)
{
    if (QLineEdit* e = edit(dlg, id))
        e->selectAll();
    type(dlg, id, keys);
}

inline void erase(CWnd& dlg, int id)
{
    if (QLineEdit* e = edit(dlg, id)) {
        e->selectAll();
        key(e, Qt::Key_Backspace, QString());
    }
}

inline std::string text(CWnd& dlg, int id)
{
    CString s;
    dlg.GetDlgItemText(id, s);
    return s.str();
}

inline void click(CWnd& dlg, int id)
{
    if (auto* b = qobject_cast<QAbstractButton*>(control(dlg, id)))
        b->click();
}

inline void pick(CWnd& dlg, int id, int index)
{
    if (auto* c = qobject_cast<QComboBox*>(control(dlg, id))) {
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
}

// Records every message box for its lifetime and answers each with OK.
class MessageBoxes {
public:
    MessageBoxes()
    {
        m_previous = AfxSetMessageBoxHook([this](const MessageBoxCall& c) {
            texts.push_back(c.text.str());
            return IDOK;
        });
    }
    ~MessageBoxes() { AfxSetMessageBoxHook(std::move(m_previous)); }
    MessageBoxes(const MessageBoxes&) = delete;
    MessageBoxes& operator=(const MessageBoxes&) = delete;

    std::vector<std::string> texts;

private:
    MessageBoxHook m_previous;
};

}  // namespace dialogdriver
