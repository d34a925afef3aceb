#pragma once

// What the soak and the action bench share beyond the window driver of the tests: the controls
// looked up once, the counters as a pupil reads them, the process's memory and a paint counter.

#include "median.h"
#include "window_driver.h"

#include <QByteArray>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWidget>

#include <array>
#include <cstdio>

namespace driver {

// The controls looked up once: a lookup walks every child, which would dwarf the action itself.
struct Controls
{
    std::array<QRadioButton *, 10> mineral {};  // Option1
    std::array<QRadioButton *, 10> hardness {}; // Option2
    QPushButton *evaluate = nullptr;            // Command1 0, "Изведи"
    QPushButton *clear = nullptr;               // Command1 1, "Чисти"
    QLabel *attempts = nullptr;                 // Label1 2
    QLabel *correct = nullptr;                  // Label1 3

    // False when the window no longer has the controls the tools rely on.
    bool find(QWidget *form)
    {
        for (int i = 0; i < 10; ++i) {
            mineral[i] = control<QRadioButton>(form, "Option1", i);
            hardness[i] = control<QRadioButton>(form, "Option2", i);
            if (!mineral[i] || !hardness[i])
                return false;
        }
        evaluate = control<QPushButton>(form, "Command1", 0);
        clear = control<QPushButton>(form, "Command1", 1);
        attempts = control<QLabel>(form, "Label1", 2);
        correct = control<QLabel>(form, "Label1", 3);
        return evaluate && clear && attempts && correct;
    }
};

// A counter as the pupil reads it: an empty label is zero; -1 when it holds no whole number.
inline int counterValue(const QLabel *label)
{
    const QString text = label->text();
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : -1;
}

// Kibibytes from a "Name:   1234 kB" line of /proc/self/status; -1 when it cannot be read.
inline long procStatusKiB(const char *name)
{
    QFile f(QStringLiteral("/proc/self/status"));
    const QByteArray key = QByteArray(name) + ':';
    for (const QByteArray &line :
        f.open(QIODevice::ReadOnly) ? f.readAll().split('\n') : QList<QByteArray>())
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toLong();
    return -1;
}

// Shows the form, waits until it has the focus and looks its controls up; says why on failure.
inline bool openWindow(QWidget &form, Controls &controls)
{
    form.show();
    form.activateWindow(); // on a bare X server no window manager does it
    if (!QTest::qWaitForWindowActive(&form)) {
        std::fprintf(stderr, "FAIL: the window never became active\n");
        return false;
    }
    if (!controls.find(&form)) {
        std::fprintf(stderr, "FAIL: the window lacks Option1/Option2/Command1/Label1 controls\n");
        return false;
    }
    return true;
}

// Headless by default; an explicit choice (e.g. xcb under Xvfb) is kept.
inline void defaultToOffscreen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
}

// Paint events reaching the form or any of its controls, so a figure said to include a repaint
// is known to include one.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *form)
        : m_form(form)
    { }
    qint64 count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == m_form)
            ++count;
        return false;
    }

private:
    QWidget *m_form;
};

} // namespace driver
