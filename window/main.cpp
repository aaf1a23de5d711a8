// vspace: the candidate-elimination teaching window.

#include "main_window.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>
#include <cstring>

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

// --help and --version need no window, and are answered where no display can be reached.
bool onlyHelpOrVersion(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char *option : {"-h", "--help", "--help-all", "-?", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

void parseCommandLine(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
            QStringLiteral("Teaches the candidate-elimination algorithm of concept learning."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("vspace"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VSPACE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vspace.vspace"));
    if (onlyHelpOrVersion(argc, argv)) {
        QCoreApplication app(argc, argv);
        parseCommandLine(app); // prints and exits
    }
    if (!displayAvailable()) {
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
    parseCommandLine(app); // Qt's own options are taken out first; an unknown one ends the run

    vspace::MainWindow window;
    window.show();
    return app.exec();
}
