#include "StudioMessage.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>

void ShowStudioError(QWidget* parent, const std::function<void(const CString&)>& hook, const CString& message)
{
    if (hook) {
        hook(message);
        return;
    }
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        std::fprintf(stderr, "tarnex-studio: %s\n", message.GetString());
        return;
    }
    QMessageBox::warning(parent, QCoreApplication::translate("Studio", "tarnex studio"),
                         QString::fromUtf8(message.GetString()));
}
