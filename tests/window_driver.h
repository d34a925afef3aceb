#pragma once

// What the window tests and the bench share: finding the window's controls the way a tool sees
// them (array name + "index" property), and clicking them as a user would.

#include <QAbstractButton>
#include <QTest>
#include <QWidget>

namespace driver {

template<typename W>
W *control(QWidget *form, const char *array, int index)
{
    for (W *w : form->findChildren<W *>(QLatin1String(array))) {
        if (w->property("index").toInt() == index)
            return w;
    }
    return nullptr;
}

// Near the indicator: a click in the middle of a wide radio button may miss its caption.
inline void click(QAbstractButton *b)
{
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, 10));
}

} // namespace driver
