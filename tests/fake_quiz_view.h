#pragma once

#include "pair_quiz.h"

#include <QStringList>

#include <array>

// A QuizView on plain data that also records every call, so tests can check both the final
// state and the order in which the quiz touched the screen.
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
        calls << QStringLiteral("message");
        message = text;
    }
    QString attemptsText() const override { return attempts; }
    void setAttemptsText(const QString &text) override
    {
        calls << QStringLiteral("attempts=") + text;
        attempts = text;
    }
    QString correctText() const override { return correct; }
    void setCorrectText(const QString &text) override
    {
        calls << QStringLiteral("correct=") + text;
        correct = text;
    }
    void deselectMineral(qint16 i) override
    {
        calls << QStringLiteral("m%1 off").arg(i);
        buttons[Mineral][i].selected = false;
    }
    void deselectHardness(qint16 i) override
    {
        calls << QStringLiteral("h%1 off").arg(i);
        buttons[Hardness][i].selected = false;
    }
    void setMineralEnabled(qint16 i, bool on) override
    {
        calls << QStringLiteral("m%1 %2").arg(i).arg(on ? "enabled" : "disabled");
        buttons[Mineral][i].enabled = on;
    }
    void setHardnessEnabled(qint16 i, bool on) override
    {
        calls << QStringLiteral("h%1 %2").arg(i).arg(on ? "enabled" : "disabled");
        buttons[Hardness][i].enabled = on;
    }
    void showPhoto(qint16 i) override
    {
        calls << QStringLiteral("photo %1").arg(i);
        photo = i;
    }
};
