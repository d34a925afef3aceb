#include "fake_quiz_view.h"
#include "mineral_catalogue.h"
#include "pair_quiz.h"

#include <QTest>

#include <optional>
#include <random>

namespace {

// The rules restated from the quiz's description, independently of PairQuiz: plain integers for
// the score, an optional for "label still empty", and the button states as the pupil sees them.
struct ReferenceModel
{
    std::optional<int> attempts;
    std::optional<int> correct;
    QString message;
    int mineral = -1;
    int hardness = -1;
    int photo = -1;
    std::array<std::array<FakeQuizView::Button, 10>, 2> buttons {};

    void choose(int column, int i)
    {
        (column == 0 ? mineral : hardness) = i;
        for (auto &b : buttons[column])
            b.selected = false;
        buttons[column][i].selected = true;
        photo = i;
        message.clear();
    }
    void evaluate()
    {
        attempts = attempts.value_or(0) + 1;
        correct = correct.value_or(0);
        if (mineral >= 0 && mineral == hardness) {
            message = QStringLiteral("Правилно!\r\n")
                + MineralCatalogue::instance().description(mineral) + QStringLiteral("\r\n");
            buttons[0][mineral] = buttons[1][mineral] = {false, false};
            *correct += 1;
            mineral = hardness = -1;
        } else {
            message = QStringLiteral("Грешен отговор - опитайте отново.\r\n");
        }
    }
    void startOver()
    {
        attempts = correct = 0;
        mineral = hardness = -1;
        for (auto &column : buttons)
            column.fill({false, true});
        message = QStringLiteral("Направете своя избор!");
    }
    static QString text(const std::optional<int> &n) { return n ? QString::number(*n) : QString(); }
};

} // namespace

class QuizModelTest : public QObject
{
    Q_OBJECT

private slots:
    void randomPlayMatchesReferenceModel()
    {
        const auto seed = qEnvironmentVariableIsSet("TVIRDEX_SEED")
            ? qEnvironmentVariable("TVIRDEX_SEED").toULong()
            : 20261208UL;
        constexpr int steps = 100'000;
        std::mt19937 rng(seed);

        FakeQuizView view;
        PairQuiz quiz(view);
        ReferenceModel model;
        quiz.ResetChoices();
        int startOvers = 0, matches = 0, maxCorrect = 0;

        for (int step = 0; step < steps; ++step) {
            const int roll = int(rng() % 100);
            QString action;
            if (roll < 70) {
                // A pupil can only pick an enabled button; when a column is all retired, evaluate.
                const int column = roll % 2;
                std::vector<qint16> enabled;
                for (qint16 i = 0; i < 10; ++i)
                    if (view.buttons[column][i].enabled)
                        enabled.push_back(i);
                if (!enabled.empty()) {
                    const qint16 i = enabled[rng() % enabled.size()];
                    action = QStringLiteral("choose %1 %2").arg(column).arg(i);
                    view.userSelects(FakeQuizView::Column(column), i);
                    column == 0 ? quiz.ChooseMineral(i) : quiz.ChooseHardness(i);
                    model.choose(column, i);
                }
            }
            if (action.isEmpty() && roll < 98) {
                action = QStringLiteral("evaluate");
                const QString before = view.correct;
                quiz.EvaluatePair();
                model.evaluate();
                matches += view.correct != before && before != QString();
            } else if (action.isEmpty()) {
                action = QStringLiteral("start over");
                quiz.StartOver();
                model.startOver();
                ++startOvers;
            }

            const QByteArray where
                = QStringLiteral("seed %1, step %2 (%3)").arg(seed).arg(step).arg(action).toUtf8();
            QVERIFY2(view.attempts == ReferenceModel::text(model.attempts), where);
            QVERIFY2(view.correct == ReferenceModel::text(model.correct), where);
            QVERIFY2(view.message == model.message, where);
            QVERIFY2(quiz.SelectedMineral() == model.mineral, where);
            QVERIFY2(quiz.SelectedHardness() == model.hardness, where);
            QVERIFY2(view.photo == model.photo, where);
            QVERIFY2(view.buttons == model.buttons, where);
            for (int i = 0; i < 10; ++i) {
                const bool retired = !view.buttons[0][i].enabled;
                QVERIFY2(retired == !view.buttons[1][i].enabled, where); // pairs retire together
                if (retired)
                    QVERIFY2(!view.buttons[0][i].selected && !view.buttons[1][i].selected, where);
            }
            const double correct = ParseLeadingNumber(view.correct);
            QVERIFY2(correct <= ParseLeadingNumber(view.attempts), where);
            QVERIFY2(correct <= 10, where);
            maxCorrect = std::max(maxCorrect, int(correct));
        }
        // The walk must really reach the interesting states, or the comparison proves little.
        QVERIFY(startOvers > 100);
        QVERIFY(matches > 1000);
        QCOMPARE(maxCorrect, 10);
    }
};

QTEST_GUILESS_MAIN(QuizModelTest)
#include "test_quiz_model.moc"
