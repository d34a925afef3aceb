#include "controls.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <qdrawutil.h>

void FaceButton::setFace(const QColor &face)
{
    m_face = face;
    update();
}

void FaceButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int border = hasFocus() ? 2 : 1;
    painter.fillRect(rect(), hasFocus() ? QColor(Qt::black) : QColor(0x40, 0x40, 0x40));
    painter.fillRect(
        rect().adjusted(border, border, -border, -border), isDown() ? m_face.darker(115) : m_face);
    painter.setPen(isEnabled() ? QColor(Qt::black) : QColor(0x80, 0x80, 0x80));
    painter.drawText(rect(), Qt::AlignCenter, text());
}

void EtchedFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics fm = fontMetrics();
    qDrawShadeRect(&painter, rect().adjusted(0, fm.height() / 2, 0, 0), palette(), true, 1);
    const QRect caption(6, 0, fm.horizontalAdvance(title()) + 4, fm.height());
    painter.fillRect(caption, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

void KeptShapingLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    // Before the base class lays the changed paragraphs out.
    const int end = from + charsAdded;
    for (QTextBlock b = document()->findBlock(from); b.isValid() && b.position() <= end;
         b = b.next())
        b.layout()->setCacheEnabled(true);
    QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
}
