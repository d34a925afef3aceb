// Preloaded (LD_PRELOAD) into a Qt Widgets program by the start-up benchmark, so the very binary
// users run is measured without a line of it changed. When TVIRDEX_BENCH_EXIT_AFTER_PAINT is set
// it ends the process as soon as the first top-level window has been painted and the event loop
// has come round once more, i.e. after the backing store was flushed to the screen.
//
// It leaves at once with _Exit: tearing the window down does not belong to starting up, and the
// parent reads elapsed time and peak memory from the exit itself.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace {

class FirstPaintExit : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow()) {
            m_seen = true;
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return false;
    }

private:
    bool m_seen = false;
};

void installProbe()
{
    if (qEnvironmentVariableIsEmpty("TVIRDEX_BENCH_EXIT_AFTER_PAINT"))
        return;
    QCoreApplication::instance()->installEventFilter(new FirstPaintExit);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
