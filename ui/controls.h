#pragma once

#include <QColor>
#include <QGroupBox>
#include <QPlainTextDocumentLayout>
#include <QPushButton>

// What the window's controls do differently from stock ones: two kinds of control painted here,
// because a style would not show their exact colours, and the message area's text layout.

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

// The message area's layout, keeping each paragraph's shaped glyphs. The stock layout throws them
// away once it has broken the lines, so every paint of the area shaped its whole paragraph again,
// a kilobyte of text for a description: under callgrind, a quarter of a right pair's work.
class KeptShapingLayout : public QPlainTextDocumentLayout
{
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;
};
