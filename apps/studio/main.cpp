// tarnex-studio: the sounding and its layered model side by side, edited
// with the mouse and saved back to their files.
#include "StudioLanguage.h"
#include "ScreenShots.h"
#include "StudioWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <string>
#include <new>

namespace {

// An edit or a file that needs more memory than the machine has ends that
// one action with a message, not the studio with the user's other edits.
class StudioApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::bad_alloc&) {
            std::fputs("tarnex-studio: out of memory: that action was not carried out\n", stderr);
            return false;
        }
    }
};

// The sounding's view was once chosen with --display, which Qt takes as
// the name of an X server before the studio sees it: refused with the new
// name before Qt starts.
bool OldDisplayOption(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const std::string next = i + 1 < argc ? argv[i + 1] : "";
        if (a == "--display=1" || a == "--display=2" || a == "-d" ||
            ((a == "--display" || a == "-display") && (next == "1" || next == "2"))) {
            std::fputs("tarnex-studio: --display is now --view linear|loglog (the view of the sounding)\n", stderr);
            return true;
        }
    }
    return false;
}

int run(int argc, char** argv)
{
    if (OldDisplayOption(argc, argv))
        return 2;
    StudioApplication app(argc, argv);
    // Qt takes the user's locale for the C library; numbers in files, labels
    // and dialogs stay in the "C" form whatever the desktop's language.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("tarnex-studio"));
    QApplication::setOrganizationName(QStringLiteral("tarnex"));
    // The user's language, or the one --lang names, before any text is shown.
    QString language = StudioLanguage::FromArguments(QApplication::arguments());
    if (language.isEmpty())
        language = StudioLanguage::Choose(QLocale::system().uiLanguages());
    if (!StudioLanguage::Install(language))
        std::fputs("tarnex-studio: the Chinese translation is missing from this build: English it is\n", stderr);
    QCommandLineParser cli;
    cli.setApplicationDescription(
        QCoreApplication::translate("Studio", "Edit a sounding and its layered model with the mouse."));
    cli.addHelpOption();
    cli.addPositionalArgument(
        QStringLiteral("SOUNDING"),
        QCoreApplication::translate("Studio", "sounding data file (five numbers a row); the bundled sample if none"));
    const QCommandLineOption model(
        QStringList{QStringLiteral("m"), QStringLiteral("model")},
        QCoreApplication::translate("Studio", "layered model file; the bundled sample if none"),
        QStringLiteral("FILE"));
    const QCommandLineOption view(QStringLiteral("view"),
                                  QCoreApplication::translate("Studio", "view of the sounding: linear or loglog"),
                                  QStringLiteral("VIEW"), QStringLiteral("linear"));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QCoreApplication::translate("Studio", "write the window as it first shows to a PNG file and quit"),
        QStringLiteral("PNG"));
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        QCoreApplication::translate("Studio", "language of menus and messages: zh_CN or en (default: the locale's)"),
        QStringLiteral("LANG"));
    const QCommandLineOption survey(
        QStringLiteral("survey"),
        QCoreApplication::translate("Studio", "survey table or folder of sounding files, browsed station by station"),
        QStringLiteral("PATH"));
    cli.addOptions({model, view, screenshot, lang, survey});
    cli.process(app);

    StudioWindow w;
    const QStringList args = cli.positionalArguments();
    const CString sounding = args.isEmpty() ? StudioWindow::BundledData("sounding.dat")
                                            : CString(args.first().toUtf8().constData());
    if (!sounding.IsEmpty())
        w.OpenSounding(sounding);
    const CString modelFile = cli.isSet(model) ? CString(cli.value(model).toUtf8().constData())
                                               : StudioWindow::BundledData("layered-model.txt");
    if (!modelFile.IsEmpty())
        w.OpenModel(modelFile);
    if (cli.isSet(survey))
        w.OpenSurvey(cli.value(survey).toUtf8().constData());
    const QString v = cli.value(view);
    if (v != QLatin1String("linear") && v != QLatin1String("loglog") && v != QLatin1String("1") &&
        v != QLatin1String("2")) {
        std::fprintf(stderr, "tarnex-studio: --view takes linear or loglog, not \"%s\"\n", v.toUtf8().constData());
        return 2;
    }
    if (v == QLatin1String("loglog") || v == QLatin1String("2"))
        w.SetDisplayModel(2);
    w.show();
    if (cli.isSet(screenshot)) {
        QString error;
        if (ScreenShots::WritePng(w.grab().toImage(), cli.value(screenshot), error))
            return 0;
        std::fprintf(stderr, "tarnex-studio: %s\n", error.toUtf8().constData());
        return 1;
    }
    return app.exec();
}

}  // namespace

int main(int argc, char** argv)
{
    // Past a file size limit a save fails and says so, instead of the signal
    // ending the studio with the edits unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    try {
        return run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::fputs("tarnex-studio: out of memory: the file is too large for this machine\n", stderr);
        return 1;
    }
}
