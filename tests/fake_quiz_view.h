#pragma once

#include "pair_quiz.h"

#include <QStringList>

#include <array>

// A QuizView on plain data. While `recording` is set it also logs every call, for the test of
// the order in which the quiz touches the screen; otherwise a long run keeps no log.
class FakeQuizView : public QuizView
{
public:
    enum Column { Mineral = 0, Hardness = 1 };

    struct Button
    {
        bool selected = false;
        bool enabled = true;
        bool operator==(const Button &) const = default;
    };

    QString message;
    QString attempts;
    QString correct;
    std::array<std::array<Button, 10>, 2> buttons {};
    int photo = -1;
    QStringList calls;
    bool recording = false;

    void log(const QString &call)
    {
        if (recording)
            calls << call;
    }

    // What the window does on a user's click before it tells the quiz: the group is exclusive.
    void userSelects(Column column, qint16 index)
    {
        for (Button &b : buttons[column])
            b.selected = false;
        buttons[column][index].selected = true;
    }

    QString messageText() const override { return message; }
    void setMessageText(const QString &text) override
    {
        log(QStringLiteral("message"));
        message = text;
    }
    QString attemptsText() const override { return attempts; }
    void setAttemptsText(const QString &text) override
    {
        log(QStringLiteral("attempts=") + text);
        attempts = text;
    }
    QString correctText() const override { return correct; }
    void setCorrectText(const QString &text) override
    {
        log(QStringLiteral("correct=") + text);
        correct = text;
    }
    void deselectMineral(qint16 i) override
    {
        log(QStringLiteral("m%1 off").arg(i));
        buttons[Mineral][i].selected = false;
    }
    void deselectHardness(qint16 i) override
    {
        log(QStringLiteral("h%1 off").arg(i));
        buttons[Hardness][i].selected = false;
    }
    void setMineralEnabled(qint16 i, bool on) override
    {
        log(QStringLiteral("m%1 %2").arg(i).arg(on ? "enabled" : "disabled"));
        buttons[Mineral][i].enabled = on;
    }
    void setHardnessEnabled(qint16 i, bool on) override
    {
        log(QStringLiteral("h%1 %2").arg(i).arg(on ? "enabled" : "disabled"));
        buttons[Hardness][i].enabled = on;
    }
    void showPhoto(qint16 i) override
    {
        log(QStringLiteral("photo %1").arg(i));
        photo = i;
    }
};
