#pragma once

#include <QColor>
#include <QGroupBox>
#include <QPushButton>

// The two kinds of control the window paints itself, because a style would not show their exact
// colours. Every other control is a stock one.

// A push button whose face is exactly its colour in every state: a flat face inside a thin dark
// border (two pixels, black, while it has the focus), darker while pressed, the caption centred
// and grey when disabled. Styles draw faces from gradients, and a style sheet would bring the
// whole style-sheet engine in for two buttons.
class FaceButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

    void setFace(const QColor &face);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_face;
};

// A group frame drawn flat in its own colour: an etched border whose top runs through the middle
// of the caption, the caption on a patch of the frame's colour. Styles would tint the inside.
class EtchedFrame : public QGroupBox
{
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *) override;
};
