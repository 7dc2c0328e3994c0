// tarnex-studio: the sounding and its layered model side by side, edited
// with the mouse and saved back to their files.
#include "ScreenShots.h"
#include "StudioLanguage.h"
#include "StudioWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <new>
#include <string>
#include <string_view>

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

// The command line: the same options whether the studio opens its window or
// only answers --help or --version.
struct StudioCommandLine {
    QCommandLineParser parser;
    const QCommandLineOption model{
        QStringList{QStringLiteral("m"), QStringLiteral("model")},
        QCoreApplication::translate("Studio", "layered model file; the bundled sample if none"),
        QStringLiteral("FILE")};
    const QCommandLineOption view{QStringLiteral("view"),
                                  QCoreApplication::translate("Studio", "view of the sounding: linear or loglog"),
                                  QStringLiteral("VIEW"), QStringLiteral("linear")};
    const QCommandLineOption screenshot{
        QStringLiteral("screenshot"),
        QCoreApplication::translate("Studio", "write the window as it first shows to a PNG file and quit"),
        QStringLiteral("PNG")};
    const QCommandLineOption lang{
        QStringLiteral("lang"),
        QCoreApplication::translate("Studio", "language of menus and messages: zh_CN or en (default: the locale's)"),
        QStringLiteral("LANG")};
    const QCommandLineOption survey{
        QStringLiteral("survey"),
        QCoreApplication::translate("Studio", "survey table or folder of sounding files, browsed station by station"),
        QStringLiteral("PATH")};

    StudioCommandLine()
    {
        parser.setApplicationDescription(
            QCoreApplication::translate("Studio", "Edit a sounding and its layered model with the mouse."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addPositionalArgument(
            QStringLiteral("FILE"),
            QCoreApplication::translate("Studio",
                                        "sounding data file (five numbers a row), layered model (*.model), survey "
                                        "table (*.csv) or folder; the bundled samples if none"));
        parser.addOptions({model, view, screenshot, lang, survey});
    }
};

// The language of the studio's texts, chosen before any is shown: --lang,
// else the user's locale.
void installLanguage()
{
    QString language = StudioLanguage::FromArguments(QCoreApplication::arguments());
    if (language.isEmpty())
        language = StudioLanguage::Choose(QLocale::system().uiLanguages());
    if (!StudioLanguage::Install(language))
        std::fputs("tarnex-studio: the Chinese translation is missing from this build: English it is\n", stderr);
}

// --help and --version (and their short forms) are answered without a
// display: a terminal on a server, a package check, a man page test.
bool answersWithoutWindow(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view a(argv[i]);
        if (a == "--")
            return false;
        if (a == "-h" || a == "--help" || a == "-?" || a == "--help-all" || a == "-v" || a == "--version")
            return true;
    }
    return false;
}

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

// What a file given on the command line holds, by its name: a file manager
// opens sounding, model and survey files with the studio this way.
enum class FileKind { Sounding, Model, Survey };
FileKind kindOf(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir() || path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        return FileKind::Survey;
    if (path.endsWith(QLatin1String(".model"), Qt::CaseInsensitive))
        return FileKind::Model;
    return FileKind::Sounding;
}

void setIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("tarnex-studio"));
    QCoreApplication::setOrganizationName(QStringLiteral("tarnex"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARNEX_VERSION));
}

int answer(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    setIdentity();
    installLanguage();
    StudioCommandLine cli;
    cli.parser.process(app);  // prints the help or the version and exits
    return 0;
}

int run(int argc, char** argv)
{
    if (OldDisplayOption(argc, argv))
        return 2;
    StudioApplication app(argc, argv);
    // Qt takes the user's locale for the C library; numbers in files, labels
    // and dialogs stay in the "C" form whatever the desktop's language.
    std::setlocale(LC_NUMERIC, "C");
    setIdentity();
    // The user's language, or the one --lang names, before any text is shown.
    installLanguage();
    StudioCommandLine cli;
    cli.parser.process(app);
    const QStringList args = cli.parser.positionalArguments();
    const QString file = args.isEmpty() ? QString() : args.first();
    const FileKind kind = file.isEmpty() ? FileKind::Sounding : kindOf(file);
    if (kind == FileKind::Model && cli.parser.isSet(cli.model)) {
        std::fputs("tarnex-studio: two layered models: the file given and --model\n", stderr);
        return 2;
    }
    if (kind == FileKind::Survey && cli.parser.isSet(cli.survey)) {
        std::fputs("tarnex-studio: two surveys: the file given and --survey\n", stderr);
        return 2;
    }

    StudioWindow w;
    const CString sounding = kind == FileKind::Sounding && !file.isEmpty() ? CString(file.toUtf8().constData())
                                                                           : StudioWindow::BundledData("sounding.dat");
    if (!sounding.IsEmpty())
        w.OpenSounding(sounding);
    const QString modelPath = kind == FileKind::Model    ? file
                              : cli.parser.isSet(cli.model) ? cli.parser.value(cli.model)
                                                            : QString();
    const CString modelFile = !modelPath.isEmpty() ? CString(modelPath.toUtf8().constData())
                                                   : StudioWindow::BundledData("layered-model.txt");
    if (!modelFile.IsEmpty())
        w.OpenModel(modelFile);
    const QString surveyPath = kind == FileKind::Survey ? file : cli.parser.value(cli.survey);
    if (!surveyPath.isEmpty())
        w.OpenSurvey(surveyPath.toUtf8().constData());
    const QString v = cli.parser.value(cli.view);
    if (v != QLatin1String("linear") && v != QLatin1String("loglog") && v != QLatin1String("1") &&
        v != QLatin1String("2")) {
        std::fprintf(stderr, "tarnex-studio: --view takes linear or loglog, not \"%s\"\n", v.toUtf8().constData());
        return 2;
    }
    if (v == QLatin1String("loglog") || v == QLatin1String("2"))
        w.SetDisplayModel(2);
    w.show();
    if (cli.parser.isSet(cli.screenshot)) {
        QString error;
        if (ScreenShots::WritePng(w.grab().toImage(), cli.parser.value(cli.screenshot), error))
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
        // A language the studio does not speak is refused before anything
        // is shown, rather than quietly falling back to English.
        QStringList args;
        for (int i = 0; i < argc; ++i)
            args << QString::fromLocal8Bit(argv[i]);
        QString lang;
        if (StudioLanguage::Unknown(args, lang)) {
            std::fprintf(stderr, "tarnex-studio: --lang takes zh_CN or en, not \"%s\"\n", lang.toUtf8().constData());
            return 2;
        }
        if (answersWithoutWindow(argc, argv))
            return answer(argc, argv);
        return run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::fputs("tarnex-studio: out of memory: the file is too large for this machine\n", stderr);
        return 1;
    }
}
