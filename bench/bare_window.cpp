// The baseline for the start-up and memory figures: the least a Qt Widgets program can show,
// in the same style as Tvirdex. The window has Tvirdex's client size, because the backing store
// (and on X11 its shared-memory image, 0.8 MiB at 514x414) grows with the area: a smaller
// baseline would charge the size of the window to the program.

#include <QApplication>
#include <QLabel>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QLabel label(QStringLiteral("bare Qt Widgets window"));
    label.setFixedSize(514, 414);
    label.show();
    return QApplication::exec();
}
