#include "StudioLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

// The catalogues in force; owned by the application, so they go with it.
QPointer<QTranslator> g_studio;
QPointer<QTranslator> g_qt;
QString g_current = QStringLiteral("en");

void drop(QPointer<QTranslator>& t)
{
    if (t) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

}  // namespace

namespace StudioLanguage {

QString Choose(const QStringList& uiLanguages)
{
    for (const QString& raw : uiLanguages) {
        const QString name = raw.trimmed().toLower();
        if (name.startsWith(QLatin1String("zh")))
            return QStringLiteral("zh_CN");
        const bool plain = name == QLatin1String("c") || name.startsWith(QLatin1String("c.")) ||
                           name == QLatin1String("posix");
        if (plain || name.startsWith(QLatin1String("en")))
            return QStringLiteral("en");
    }
    return QStringLiteral("en");
}

QString FromArguments(const QStringList& args)
{
    const QLatin1String option("--lang");
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--"))
            break;
        if (args[i] == option)
            return i + 1 < args.size() ? args[i + 1] : QString();
        if (args[i].startsWith(option + QLatin1Char('=')))
            return args[i].mid(option.size() + 1);
    }
    return QString();
}

bool Unknown(const QStringList& args, QString& value)
{
    const QLatin1String option("--lang");
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--"))
            return false;
        if (args[i] == option && i + 1 < args.size())
            value = args[i + 1];
        else if (args[i].startsWith(option + QLatin1Char('=')))
            value = args[i].mid(option.size() + 1);
        else
            continue;
        return value != QLatin1String("zh_CN") && value != QLatin1String("en");
    }
    return false;
}

bool Install(const QString& language)
{
    drop(g_studio);
    drop(g_qt);
    g_current = Choose({language});
    if (g_current == QLatin1String("en"))
        return true;
    auto* app = QCoreApplication::instance();
    g_studio = new QTranslator(app);
    if (!g_studio->load(QStringLiteral(":/i18n/tarnex_") + g_current)) {
        drop(g_studio);
        g_current = QStringLiteral("en");
        return false;
    }
    QCoreApplication::installTranslator(g_studio);
    // Qt's own texts (Yes, No, Cancel, the file dialog) where Debian's
    // qt6-translations-l10n put them; without them those stay English.
    g_qt = new QTranslator(app);
    if (g_qt->load(QStringLiteral("qtbase_") + g_current, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(g_qt);
    else
        drop(g_qt);
    return true;
}

QString Current() { return g_current; }

}  // namespace StudioLanguage
