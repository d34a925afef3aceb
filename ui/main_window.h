#pragma once

#include "pair_quiz.h"

#include <QPixmap>
#include <QWidget>

#include <array>

class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The one window, the form Tvirdex. It lays out the controls at fixed pixel positions, shows
// what the quiz asks through QuizView, and routes each user action to one PairQuiz operation.
class Tvirdex : public QWidget, public QuizView
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 514;
    static constexpr int ClientHeight = 414;

    explicit Tvirdex(QWidget *parent = nullptr);
    ~Tvirdex() override;

    static QString windowTitleText();
    static QFont windowFont();

    // QuizView
    QString messageText() const override;
    void setMessageText(const QString &text) override;
    QString attemptsText() const override;
    void setAttemptsText(const QString &text) override;
    QString correctText() const override;
    void setCorrectText(const QString &text) override;
    void deselectMineral(qint16 index) override;
    void deselectHardness(qint16 index) override;
    void setMineralEnabled(qint16 index, bool enabled) override;
    void setHardnessEnabled(qint16 index, bool enabled) override;
    void showPhoto(qint16 index) override;

private:
    // One handler per control array: the element index in, one quiz operation out.
    void FormLoad();
    void Option1Click(qint16 index);
    void Option2Click(qint16 index);
    void Command1Click(qint16 index);

    void buildControls();
    static void deselect(QButtonGroup *group, QAbstractButton *button);
    static void setButtonEnabled(QButtonGroup *group, QAbstractButton *button, bool enabled);
    static void keepTabStop(QButtonGroup *group);

    PairQuiz m_quiz;

    // The controls keep the window's array names; what each is on screen:
    //   m_label1[0]   the title «Твирдекс» at the top
    //   m_label1[1]   the counter heading «Опити: Вярно»
    //   m_label1[2]   the attempts counter (its text is the score's only store)
    //   m_label1[3]   the correct-answers counter (likewise)
    //   m_command1[0] «Изведи», judges the pair;  m_command1[1] «Чисти», starts over
    //   m_frame1[1]   the «Позиция» frame, left: hardness buttons m_option2[i] = "i + 1"
    //   m_frame1[0]   the «Минерал» frame, middle: mineral buttons m_option1[i] = name(i),
    //                 standing at row mineralRow(i)
    //   m_picture2    the visible photo display, right
    //   m_text1       the message area at the bottom
    //   m_picture1    not a control: the ten photos, each decoded once, when first shown
    std::array<QLabel *, 4> m_label1 {};
    std::array<QPushButton *, 2> m_command1 {};
    std::array<QGroupBox *, 2> m_frame1 {};
    std::array<QRadioButton *, 10> m_option1 {};
    std::array<QRadioButton *, 10> m_option2 {};
    QButtonGroup *m_option1Group = nullptr;
    QButtonGroup *m_option2Group = nullptr;
    QLabel *m_picture2 = nullptr;
    QPlainTextEdit *m_text1 = nullptr;

    // The exact message as written: the text box shows CR LF as a line break but reads back LF.
    QString m_message;
    // Each photo decoded on its first show; showing it again shares this pixmap.
    std::array<QPixmap, 10> m_picture1;
};
