#include "main_window.h"
#include "tvirdex_identity.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Without an X or Wayland display Qt would abort with a long platform-plugin dump; say it in
    // one line. Only here: Windows and macOS have no such variables, and their programs always
    // have a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("Tvirdex: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); on a "
                   "machine without a screen run it as: xvfb-run -s '-screen 0 1024x768x24' "
                   "Tvirdex\n",
            stderr);
        return 2;
    }
#endif

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tvirdex"));
    QApplication::setApplicationVersion(QStringLiteral(TVIRDEX_VERSION));
    QApplication::setOrganizationName(QStringLiteral(TVIRDEX_PUBLISHER));
    QApplication::setOrganizationDomain(QStringLiteral(TVIRDEX_PUBLISHER_URL));
    QGuiApplication::setDesktopFileName(QStringLiteral(TVIRDEX_APP_ID));
    // One look on every desktop, so the colours drawn are the colours chosen.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    // The window's font as the application's too: the text box builds a scratch document in the
    // default font before it takes the window's, and would load a second face just for that.
    QApplication::setFont(Tvirdex::windowFont());
    Tvirdex window;
    window.show();
    const int status = QApplication::exec();
    // Qt 6.4's Wayland client may hang for ever in its own teardown, after the window has gone:
    // the display waits for one event thread, which waits in wl_display_read_events() for a read
    // prepared for the other one, which stopped without cancelling it. The program keeps
    // nothing, so on Wayland it ends here, without that teardown.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
