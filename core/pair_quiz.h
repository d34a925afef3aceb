#pragma once

#include <QString>
#include <QtGlobal>

// The screen operations the quiz needs. The window implements them on its controls; tests
// implement them on plain data, so the quiz runs without any window.
class QuizView
{
public:
    virtual ~QuizView() = default;

    virtual QString messageText() const = 0;
    virtual void setMessageText(const QString &text) = 0;
    virtual QString attemptsText() const = 0;
    virtual void setAttemptsText(const QString &text) = 0;
    virtual QString correctText() const = 0;
    virtual void setCorrectText(const QString &text) = 0;

    // Writes to buttons are the program's own: they must never come back as a user's choice.
    virtual void deselectMineral(qint16 index) = 0;
    virtual void deselectHardness(qint16 index) = 0;
    virtual void setMineralEnabled(qint16 index, bool enabled) = 0;
    virtual void setHardnessEnabled(qint16 index, bool enabled) = 0;

    virtual void showPhoto(qint16 index) = 0;
};

// The number at the start of a counter text (after leading blanks); 0 when there is none.
double ParseLeadingNumber(const QString &text);
// The shortest decimal text of a value: "0", "1", "12".
QString FormatNumber(double value);

// The whole quiz: the two selections, the judging of a pair, the score (kept only in the
// view's two counter texts) and every text of the message area.
class PairQuiz
{
public:
    static constexpr qint16 NoChoice = -1;

    static const QString CorrectMessage;
    static const QString WrongMessage;
    static const QString PromptMessage;
    static const QString LineBreak;

    explicit PairQuiz(QuizView &view);

    void ResetChoices();
    void ChooseMineral(qint16 index);
    void ChooseHardness(qint16 index);
    void EvaluatePair();
    void StartOver();
    void ClearMessage();

    qint16 SelectedMineral() const { return m_selectedMineral; }
    qint16 SelectedHardness() const { return m_selectedHardness; }

private:
    QuizView &m_view;
    qint16 m_selectedMineral = NoChoice;
    qint16 m_selectedHardness = NoChoice;
};
