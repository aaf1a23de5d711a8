// vspace: the candidate-elimination teaching window.

#include "form1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler previousHandler = nullptr;

// A platform that cannot be reached makes Qt abort; say why in plain words instead.
void startupMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "vspace: the window cannot be opened: no display could be reached.\n"
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

} // namespace

int main(int argc, char *argv[])
{
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

    vspace::Form1 window;
    window.show();
    return app.exec();
}
