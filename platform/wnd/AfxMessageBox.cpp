#include "platform/wnd/AfxMessageBox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

namespace {

MessageBoxHook& hookSlot()
{
    static MessageBoxHook hook;
    return hook;
}

int firstButton(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_YESNO:
    case MB_YESNOCANCEL: return IDYES;
    default: return IDOK;
    }
}

}  // namespace

MessageBoxHook AfxSetMessageBoxHook(MessageBoxHook hook)
{
    MessageBoxHook old = std::move(hookSlot());
    hookSlot() = std::move(hook);
    return old;
}

int AfxShowMessageBox(const char* text, const char* caption, UINT type)
{
    MessageBoxCall call;
    call.text = CString(text ? text : "");
    if (caption)
        call.caption = CString(caption);
    else
        call.caption = CString(QCoreApplication::applicationName().toStdString());
    call.type = type;
    if (hookSlot()) {
        // A copy: the hook may replace itself while it runs.
        MessageBoxHook hook = hookSlot();
        return hook(call);
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()) ||
        QGuiApplication::platformName() == QLatin1String("offscreen"))
        return firstButton(type);

    QMessageBox box;
    box.setWindowTitle(QString::fromUtf8(call.caption.GetString()));
    box.setText(QString::fromUtf8(call.text.GetString()));
    switch (type & 0xf0) {
    case MB_ICONHAND: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONEXCLAMATION: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MB_YESNO: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MB_YESNOCANCEL: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return IDOK;
    }
}

int AfxMessageBox(const char* text, UINT type, UINT) { return AfxShowMessageBox(text, nullptr, type); }
