// vspace: the candidate-elimination teaching window.

#include "language.h"
#include "main_window.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler previousHandler = nullptr;

// A platform that cannot be reached makes Qt abort; say why in plain words instead.
void startupMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
                     "vspace: the window cannot be opened: no display could be reached.\n"
                     "(%s)\n",
                     qPrintable(message));
        std::_Exit(1);
    }
    previousHandler(type, context, message);
}

bool displayAvailable()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// Checks the command line before a display is looked for, so that a mistake is named even where
// none can be reached: --help and --version are answered here, an unknown option ends the run with
// status 1. Qt's own options (-platform, -style...) are known, and left for the application.
// Returns true when a platform is named on the command line.
bool checkCommandLine(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
            QStringLiteral("Teaches the candidate-elimination algorithm of concept learning."));
    parser.addHelpOption();
    parser.addVersionOption();
    for (const char *option :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
          "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display", "geometry",
          "title", "name", "style", "stylesheet"}) {
        QCommandLineOption qtOption(QString::fromLatin1(option), QString(), QStringLiteral("value"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    for (const char *flag : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption qtFlag(QString::fromLatin1(flag));
        qtFlag.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtFlag);
    }
    parser.process(app); // prints and exits for --help, --version and a mistake
    return parser.isSet(QStringLiteral("platform"));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("vspace"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VSPACE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vspace.vspace"));
    if (!checkCommandLine(argc, argv) && !displayAvailable()) {
        std::fputs("vspace: the window cannot be opened: this machine has no display "
                   "(neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Run it in a desktop session, or play a session without a window with "
                   "vspace-replay.\n",
                   stderr);
        return 1;
    }
    previousHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(previousHandler);
    // The language the environment asks for; the translations lie beside the program's data,
    // or in the build tree beside the program.
    const QString programFolder = QCoreApplication::applicationDirPath();
    vspace::installTranslation(vspace::preferredLanguages([](const char *name) {
                                   return qEnvironmentVariable(name).toStdString();
                               }),
                               {programFolder + QStringLiteral("/../" VSPACE_TRANSLATIONS),
                                programFolder + QStringLiteral("/../translations")});

    vspace::MainWindow window;
    window.show();
    return app.exec();
}
