#include "StudioMessage.h"

#include "platform/core/ReaderMessage.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>

CString InUserLanguage(const CString& message)
{
    ReaderMessage::Parts parts;
    if (!ReaderMessage::Parse(message.str(), parts))
        return message;
    const QByteArray said =
        QCoreApplication::translate(ReaderMessage::kContext, ReaderMessage::Template(parts.id)).toUtf8();
    return CString((parts.prefix + ReaderMessage::Fill(said.toStdString(), parts.args)).c_str());
}

void ShowStudioError(QWidget* parent, const std::function<void(const CString&)>& hook, const CString& original)
{
    const CString message = InUserLanguage(original);
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
