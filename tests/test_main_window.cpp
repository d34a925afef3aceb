#include "main_window.h"
#include "mineral_catalogue.h"
#include "window_driver.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTest>

namespace {

const QString wrong = QStringLiteral("Грешен отговор - опитайте отново.\r\n");

using driver::control;

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

    Tvirdex *form = nullptr;
    const MineralCatalogue &catalogue = MineralCatalogue::instance();

    QRadioButton *mineral(int i) { return control<QRadioButton>(form, "Option1", i); }
    QRadioButton *hardness(int i) { return control<QRadioButton>(form, "Option2", i); }
    QPushButton *command(int i) { return control<QPushButton>(form, "Command1", i); }
    QLabel *label(int i) { return control<QLabel>(form, "Label1", i); }
    QLabel *picture() { return form->findChild<QLabel *>(QStringLiteral("Picture2")); }
    QPlainTextEdit *text() { return form->findChild<QPlainTextEdit *>(QStringLiteral("Text1")); }

    static void click(QAbstractButton *b) { driver::click(b); }

    // In logical pixels, so the same checks hold at any scale factor.
    static QColor pixelAt(QWidget *w, QPoint p)
    {
        const QImage image = w->grab().toImage();
        return image.pixelColor((QPointF(p) * image.devicePixelRatio()).toPoint());
    }

    void checkPristineButtons()
    {
        for (int i = 0; i < 10; ++i) {
            for (QRadioButton *b : {mineral(i), hardness(i)}) {
                QVERIFY(!b->isChecked());
                QVERIFY(b->isEnabled());
            }
        }
    }

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    void init()
    {
        form = new Tvirdex;
        form->show();
        form->activateWindow(); // on a bare X server no window manager does it
        QVERIFY(QTest::qWaitForWindowActive(form));
    }
    void cleanup() { delete form; }

    void initialState()
    {
        QCOMPARE(form->windowTitle(), Tvirdex::windowTitleText());
        QCOMPARE(form->size(), QSize(514, 414));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(!(form->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
        checkPristineButtons();
        QVERIFY(label(2)->text().isEmpty());
        QVERIFY(label(3)->text().isEmpty());
        QVERIFY(picture()->pixmap().isNull());
        QCOMPARE(form->messageText(), catalogue.initialMessage());
        QCOMPARE(text()->toPlainText(), QString(catalogue.initialMessage()).replace("\r\n", "\n"));
        QCOMPARE(QApplication::focusWidget(), text());
        QVERIFY(!form->windowIcon().isNull());
    }

    void columnsAndCaptions()
    {
        QStringList minerals, values;
        for (int row = 1; row <= 10; ++row) {
            for (int i = 0; i < 10; ++i) {
                if (mineral(i)->y() == 20 * row)
                    minerals << mineral(i)->text();
                if (hardness(i)->y() == 20 * row)
                    values << hardness(i)->text();
            }
        }
        QCOMPARE(minerals,
            (QStringList {"Апатит", "Гипс", "Диамант", "Калцит", "Кварц", "Корунд", "Ортоклаз",
                "Талк", "Топаз", "Флуорит"}));
        QCOMPARE(values, (QStringList {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
        QCOMPARE(control<QGroupBox>(form, "Frame1", 0)->title(), QStringLiteral("Минерал"));
        QCOMPARE(control<QGroupBox>(form, "Frame1", 1)->title(), QStringLiteral("Позиция"));
        QCOMPARE(label(0)->text(), QStringLiteral("Твирдекс"));
        QCOMPARE(label(1)->text(), QStringLiteral("Опити: Вярно"));
        QCOMPARE(command(0)->text(), QStringLiteral("Изведи"));
        QCOMPARE(command(1)->text(), QStringLiteral("Чисти"));
    }

    void geometryAndColours_data()
    {
        QTest::addColumn<QString>("array");
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QColor>("colour");
        const QColor orange(255, 192, 128), lilac(192, 192, 255);
        QTest::newRow("title") << "Label1" << 0 << QRect(112, 0, 305, 25) << orange;
        QTest::newRow("evaluate") << "Command1" << 0 << QRect(16, 0, 73, 25)
                                  << QColor(192, 255, 192);
        QTest::newRow("clear") << "Command1" << 1 << QRect(432, 0, 73, 25) << QColor(255, 128, 128);
        QTest::newRow("hardness frame") << "Frame1" << 1 << QRect(8, 32, 97, 225) << lilac;
        QTest::newRow("mineral frame") << "Frame1" << 0 << QRect(152, 32, 137, 225) << lilac;
        QTest::newRow("picture") << "Picture2" << 0 << QRect(328, 40, 180, 136) << lilac;
        QTest::newRow("heading") << "Label1" << 1 << QRect(344, 208, 129, 25) << orange;
        QTest::newRow("attempts") << "Label1" << 2 << QRect(344, 232, 65, 25) << orange;
        QTest::newRow("correct") << "Label1" << 3 << QRect(408, 232, 65, 25) << orange;
        QTest::newRow("message") << "Text1" << 0 << QRect(8, 264, 497, 145) << QColor(Qt::white);
        for (int i = 0; i < 10; ++i) {
            QTest::addRow("hardness %d", i)
                << "Option2" << i << QRect(8, 20 * (i + 1), 73, 20) << QColor(255, 192, 255);
            QTest::addRow("mineral %d", i)
                << "Option1" << i
                << QRect(8, 20 * MineralCatalogue::instance().mineralRow(i), 121, 20)
                << QColor(192, 255, 192);
        }
    }
    void geometryAndColours()
    {
        QFETCH(QString, array);
        QFETCH(int, index);
        QFETCH(QRect, geometry);
        QFETCH(QColor, colour);
        QWidget *w = control<QWidget>(form, qPrintable(array), index);
        QVERIFY(w);
        QCOMPARE(w->geometry(), geometry);
        // A blank spot: the far right, away from captions, frames and scroll bars.
        const QPoint blank = array == "Text1" ? QPoint(geometry.width() / 2, geometry.height() - 6)
            : array == "Picture2"             ? QPoint(geometry.width() - 6, geometry.height() - 6)
            : array == "Frame1"               ? QPoint(geometry.width() - 5, geometry.height() / 2)
                                              : QPoint(geometry.width() - 3, geometry.height() - 3);
        QCOMPARE(pixelAt(w, blank), colour);
    }

    // The window opens centred on its screen. A window manager may add a frame only once the
    // window is shown, so each side's gap may differ from the other's by that frame.
    void opensCentred()
    {
        const QRect screen = form->screen()->availableGeometry();
        const QRect frame = form->frameGeometry();
        const QSize extra = frame.size() - form->size();
        const int left = frame.left() - screen.left(), right = screen.right() - frame.right();
        const int top = frame.top() - screen.top(), bottom = screen.bottom() - frame.bottom();
        const QString where = QStringLiteral("window %1,%2 %3x%4 on screen %5x%6")
                                  .arg(frame.x())
                                  .arg(frame.y())
                                  .arg(frame.width())
                                  .arg(frame.height())
                                  .arg(screen.width())
                                  .arg(screen.height());
        QVERIFY2(qAbs(left - right) <= extra.width() + 1, qPrintable(where));
        QVERIFY2(qAbs(top - bottom) <= extra.height() + 1, qPrintable(where));
    }

    // At every scale each caption is drawn and has room: there is ink, and none in the last
    // device pixels before the edges that would clip it (the right edge, the top and bottom rows).
    void captionsAreNotClipped()
    {
        QList<QWidget *> captioned;
        for (int i = 0; i < 10; ++i)
            captioned << mineral(i) << hardness(i);
        for (int i = 0; i < 4; ++i)
            captioned << label(i);
        click(hardness(9));
        click(mineral(0));
        click(command(0)); // the counters now show numbers
        for (QWidget *w : captioned) {
            const QImage image = w->grab().toImage();
            const auto inkAt = [&](int x, int y) { return qGray(image.pixel(x, y)) < 96; };
            int ink = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = image.width() / 4; x < image.width(); ++x) // right of any indicator
                    ink += inkAt(x, y);
            QVERIFY2(ink > 0, qPrintable(w->accessibleName()));
            for (int y = 0; y < image.height(); ++y)
                QVERIFY2(!inkAt(image.width() - 1, y), qPrintable(w->accessibleName()));
            for (int x = 0; x < image.width(); ++x)
                QVERIFY2(
                    !inkAt(x, 0) && !inkAt(x, image.height() - 1), qPrintable(w->accessibleName()));
        }
    }

    // The photo is drawn whole, at its own size scaled like the rest of the window, at the
    // display's top-left inside the sunken frame; the rest of the display keeps its colour.
    void photoDrawnWholeAtTopLeft()
    {
        const QColor background(192, 192, 255);
        for (const int i : {0, 9}) {
            click(mineral(i));
            const QImage photo = picture()->pixmap().toImage();
            const QImage shown = picture()->grab().toImage();
            const qreal dpr = shown.devicePixelRatio();
            const QRectF area(QPointF(picture()->frameWidth(), picture()->frameWidth()),
                QSizeF(photo.size()) / photo.devicePixelRatio());
            QCOMPARE(area.size(), QSizeF(100, catalogue.entry(qint16(i)).photoHeight));
            const QRect device((area.topLeft() * dpr).toPoint(), (area.size() * dpr).toSize());
            // Just inside each corner: that corner of the photo, give or take the scaling.
            const QPoint corners[]
                = {device.topLeft(), device.topRight(), device.bottomLeft(), device.bottomRight()};
            const QPoint inPhoto[] = {{0, 0}, {photo.width() - 1, 0}, {0, photo.height() - 1},
                {photo.width() - 1, photo.height() - 1}};
            for (int c = 0; c < 4; ++c) {
                const QPoint at = corners[c] + QPoint(c % 2 ? -1 : 1, c < 2 ? 1 : -1);
                const QColor got = shown.pixelColor(at), want = photo.pixelColor(inPhoto[c]);
                QVERIFY2(qAbs(got.red() - want.red()) + qAbs(got.green() - want.green())
                            + qAbs(got.blue() - want.blue())
                        < 60,
                    qPrintable(QStringLiteral("photo %1, corner %2: %3 instead of %4")
                                   .arg(i)
                                   .arg(c)
                                   .arg(got.name(), want.name())));
            }
            // Just beyond its right and bottom edges, the display's own colour.
            QCOMPARE(shown.pixelColor(device.right() + 3, device.center().y()), background);
            QCOMPARE(shown.pixelColor(device.center().x(), device.bottom() + 3), background);
        }
    }

    // A dark desktop hands Qt a dark application palette (Windows' dark mode, a dark GTK or KDE
    // theme). The window must draw not one pixel differently from a light desktop.
    void darkDesktopChangesNoPixel()
    {
        const auto drawn = [] {
            Tvirdex window; // never shown: no focus, no caret, the same state for both
            return window.grab().toImage();
        };
        const QImage light = drawn();
        const QPalette saved = QApplication::palette();
        QPalette dark(QColor(240, 240, 240), QColor(50, 50, 50), QColor(75, 75, 75),
            QColor(33, 33, 33), QColor(38, 38, 38), QColor(240, 240, 240), QColor(36, 36, 36));
        dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(130, 130, 130));
        dark.setColor(QPalette::HighlightedText, QColor(240, 240, 240));
        QApplication::setPalette(dark);
        const QImage shown = drawn();
        QApplication::setPalette(saved);
        QCOMPARE(shown.size(), light.size());
        int differing = 0;
        for (int y = 0; y < light.height(); ++y)
            for (int x = 0; x < light.width(); ++x)
                differing += shown.pixel(x, y) != light.pixel(x, y);
        QVERIFY2(differing == 0, qPrintable(QStringLiteral("%1 pixels differ").arg(differing)));
    }

    void windowColourAndFont()
    {
        QCOMPARE(pixelAt(form, {300, 100}), QColor(192, 192, 255));
        const QFontInfo info(form->font());
        QCOMPARE(info.pixelSize(), 16);
        QCOMPARE(info.style(), QFont::StyleNormal);
        QCOMPARE(info.weight(), int(QFont::Normal));
        // Times New Roman is rarely installed on Linux: whatever stands in must be a serif...
        if (qEnvironmentVariableIsSet("TVIRDEX_EXPECT_FAMILY"))
            QCOMPARE(info.family(), qEnvironmentVariable("TVIRDEX_EXPECT_FAMILY"));
        QVERIFY2(
            info.family().contains(QStringLiteral("Serif")) || info.family() == "Times New Roman",
            qPrintable(info.family()));
        // ...that draws every letter the window shows itself, not through another font.
        QString shown = form->messageText();
        for (QWidget *w : form->findChildren<QWidget *>()) {
            QVERIFY2(w->font().family() == form->font().family(), qPrintable(w->objectName()));
            if (auto *b = qobject_cast<QAbstractButton *>(w))
                shown += b->text();
            else if (auto *l = qobject_cast<QLabel *>(w))
                shown += l->text();
            else if (auto *g = qobject_cast<QGroupBox *>(w))
                shown += g->title();
        }
        for (qint16 i = 0; i < MineralCatalogue::count; ++i)
            shown += catalogue.description(i);
        const QRawFont raw = QRawFont::fromFont(form->font(), QFontDatabase::Cyrillic);
        QVERIFY(raw.isValid());
        for (QChar c : shown) {
            if (!c.isSpace())
                QVERIFY2(
                    raw.supportsCharacter(c), qPrintable(QString(c) + u' ' + raw.familyName()));
        }
    }

    void pairingByMouse()
    {
        click(mineral(3)); // "Флуорит"
        QCOMPARE(picture()->pixmap().height(), catalogue.entry(3).photoHeight);
        QVERIFY(form->messageText().isEmpty());
        click(hardness(6)); // the photo follows the hardness value
        QCOMPARE(picture()->pixmap().height(), catalogue.entry(6).photoHeight);
        QVERIFY(mineral(3)->isChecked()); // the columns are independent
        click(hardness(3));
        QCOMPARE(picture()->pixmap().height(), catalogue.entry(3).photoHeight);
        QCOMPARE(picture()->pixmap().width(), 100);
        click(command(0));

        QCOMPARE(form->messageText(),
            QStringLiteral("Правилно!\r\n") + catalogue.description(3) + QStringLiteral("\r\n"));
        QCOMPARE(text()->toPlainText(),
            QStringLiteral("Правилно!\n") + catalogue.description(3) + QStringLiteral("\n"));
        for (QRadioButton *b : {mineral(3), hardness(3)}) {
            QVERIFY(!b->isChecked());
            QVERIFY(!b->isEnabled());
        }
        QCOMPARE(label(2)->text(), QStringLiteral("1"));
        QCOMPARE(label(3)->text(), QStringLiteral("1"));

        // A retired button cannot be chosen, and a second press does not score the pair again.
        click(mineral(3));
        QVERIFY(!mineral(3)->isChecked());
        click(command(0));
        QCOMPARE(form->messageText(), wrong);
        QCOMPARE(label(2)->text(), QStringLiteral("2"));
        QCOMPARE(label(3)->text(), QStringLiteral("1"));

        click(mineral(0)); // any pick after a result empties the message area
        QVERIFY(form->messageText().isEmpty());
        QVERIFY(text()->toPlainText().isEmpty());
    }

    void clearStartsOver()
    {
        click(mineral(5));
        click(hardness(5));
        click(command(0));
        click(mineral(1));
        const qint64 shown = picture()->pixmap().cacheKey();
        click(command(1));
        QCOMPARE(label(2)->text(), QStringLiteral("0"));
        QCOMPARE(label(3)->text(), QStringLiteral("0"));
        QCOMPARE(form->messageText(), QStringLiteral("Направете своя избор!"));
        QCOMPARE(picture()->pixmap().cacheKey(), shown);
        checkPristineButtons();
        click(command(0));
        QCOMPARE(form->messageText(), wrong);
    }

    void photosAreSharedNotDecodedAgain()
    {
        click(mineral(8));
        const qint64 first = picture()->pixmap().cacheKey();
        click(mineral(2));
        QVERIFY(picture()->pixmap().cacheKey() != first);
        click(hardness(8));
        QCOMPARE(picture()->pixmap().cacheKey(), first);
        QVERIFY(picture()->accessibleName().contains(catalogue.name(8)));
    }

    void programWritesRaiseNoChoice()
    {
        click(mineral(4));
        click(hardness(2));
        const QString shown = QStringLiteral("Правилно!\r\n");
        form->setMessageText(shown);
        QSignalSpy spy1(mineral(4), &QAbstractButton::clicked);
        QSignalSpy spy2(hardness(2), &QAbstractButton::clicked);
        form->deselectMineral(4);
        form->deselectHardness(2);
        form->setMineralEnabled(4, false);
        form->setMineralEnabled(4, true);
        QCOMPARE(spy1.count() + spy2.count(), 0);
        QVERIFY(!mineral(4)->isChecked());
        QVERIFY(!hardness(2)->isChecked());
        // Any choice empties the message: a write taken for one would have.
        QCOMPARE(form->messageText(), shown);
    }

    void messageReadsBackExactly()
    {
        const QString odd = QStringLiteral("a\r\nb\r\n\r\nc \r\n");
        form->setMessageText(odd);
        QCOMPARE(form->messageText(), odd);
        QCOMPARE(text()->toPlainText(), QStringLiteral("a\nb\n\nc \n"));
        QVERIFY(text()->isReadOnly());
        QTest::keyClicks(text(), QStringLiteral("xyz"));
        QCOMPARE(form->messageText(), odd);
    }

    // Keyboard only, as a pupil without a mouse: Tab until the focus is in the wanted column,
    // Space to pick the focused button, arrows to walk to the wanted one.
    void tabTo(const char *array, int limit = 30)
    {
        while (limit-- > 0 && QApplication::focusWidget()->objectName() != QLatin1String(array))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(array));
    }
    void pickByKeys(QRadioButton *target)
    {
        auto *focused = qobject_cast<QRadioButton *>(QApplication::focusWidget());
        QVERIFY(focused);
        if (!focused->isChecked())
            QTest::keyClick(focused, Qt::Key_Space);
        for (int n = 0; n < 10 && !target->isChecked(); ++n) {
            const bool down = target->y() > QApplication::focusWidget()->y();
            QTest::keyClick(QApplication::focusWidget(), down ? Qt::Key_Down : Qt::Key_Up);
        }
        QVERIFY(target->isChecked());
    }

    void keyboardAlonePlaysTheWholeQuiz()
    {
        // From the message area, where the focus starts: into the hardness column first.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), hardness(0));
        for (int i : {3, 0, 9, 5, 1, 8, 2, 7, 4, 6}) {
            tabTo("Option2");
            pickByKeys(hardness(i));
            QCOMPARE(picture()->pixmap().height(), catalogue.entry(qint16(i)).photoHeight);
            tabTo("Option1");
            pickByKeys(mineral(i));
            tabTo("Command1");
            QCOMPARE(QApplication::focusWidget(), command(0));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QVERIFY2(form->messageText().startsWith(QStringLiteral("Правилно!")),
                qPrintable(form->messageText()));
            QVERIFY(!mineral(i)->isEnabled() && !hardness(i)->isEnabled());
        }
        QCOMPARE(label(2)->text(), QStringLiteral("10"));
        QCOMPARE(label(3)->text(), QStringLiteral("10"));

        // With every pair retired, Tab reaches "Чисти", and Space starts over.
        tabTo("Command1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), command(1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(label(3)->text(), QStringLiteral("0"));
        checkPristineButtons();
    }

    // After "Чисти" nothing is selected, so Tab must enter each column at its top again, not at
    // the button that was selected before.
    void clearSendsTabToTheTopOfEachColumn()
    {
        click(hardness(5));
        click(mineral(7));
        click(command(1));
        text()->setFocus();
        QTest::keyClick(text(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), hardness(0));
        tabTo("Option1");
        QCOMPARE(QApplication::focusWidget(), mineral(catalogue.indexAtMineralRow(1)));
    }

    void accessibleNames()
    {
        click(hardness(0));
        click(mineral(0));
        click(command(0));
        QCOMPARE(label(2)->accessibleName(), QStringLiteral("Опити: 1"));
        QCOMPARE(label(3)->accessibleName(), QStringLiteral("Вярно: 1"));
        QCOMPARE(picture()->accessibleName(), QStringLiteral("Снимка: Талк"));
        for (QWidget *w : form->findChildren<QWidget *>()) {
            if (w->property("index").isValid())
                QVERIFY2(
                    !QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty(),
                    qPrintable(w->objectName()));
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
