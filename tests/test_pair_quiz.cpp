#include "fake_quiz_view.h"
#include "mineral_catalogue.h"
#include "pair_quiz.h"

#include <QTest>

namespace {
const QString crlf = QStringLiteral("\r\n");
} // namespace

// Choosing and evaluating are played step by step against a reference model in
// test_quiz_model.cpp; these are the cases that random walk does not reach.
class PairQuizTest : public QObject
{
    Q_OBJECT

    FakeQuizView view;
    PairQuiz *quiz = nullptr;

    // Plays a user's pick as the window would: the button becomes selected, then the quiz hears.
    void pickMineral(qint16 i)
    {
        view.userSelects(FakeQuizView::Mineral, i);
        quiz->ChooseMineral(i);
    }
    void pickHardness(qint16 i)
    {
        view.userSelects(FakeQuizView::Hardness, i);
        quiz->ChooseHardness(i);
    }

private slots:
    void init()
    {
        view = FakeQuizView {};
        view.message = MineralCatalogue::instance().initialMessage();
        quiz = new PairQuiz(view);
        quiz->ResetChoices();
    }
    void cleanup() { delete quiz; }

    void parseLeadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << QString() << 0.0;
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("counter") << "12" << 12.0;
        QTest::newRow("leading blanks") << "  7" << 7.0;
        QTest::newRow("trailing text") << "3 опита" << 3.0;
        QTest::newRow("fraction") << "2.5" << 2.5;
        QTest::newRow("sign") << "-4" << -4.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("dangling exponent") << "5e" << 5.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("sign only") << "-" << 0.0;
        QTest::newRow("point only") << "." << 0.0;
        QTest::newRow("large") << "123456789" << 123456789.0;
    }
    void parseLeadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(ParseLeadingNumber(text), value);
    }

    void formatNumber()
    {
        QCOMPARE(FormatNumber(0), QStringLiteral("0"));
        QCOMPARE(FormatNumber(-0.0), QStringLiteral("0"));
        QCOMPARE(FormatNumber(1), QStringLiteral("1"));
        QCOMPARE(FormatNumber(12), QStringLiteral("12"));
        QCOMPARE(FormatNumber(1000000), QStringLiteral("1000000"));
        QCOMPARE(FormatNumber(-3), QStringLiteral("-3"));
        QCOMPARE(FormatNumber(2.5), QStringLiteral("2.5"));
        QCOMPARE(FormatNumber(1e20), QStringLiteral("1e+20"));
        for (int n = 0; n < 5000; n += 7)
            QCOMPARE(ParseLeadingNumber(FormatNumber(n)), double(n));
    }

    void resetChoicesTouchesButtonsInOrder()
    {
        pickMineral(2);
        pickHardness(5);
        view.recording = true;
        quiz->ResetChoices();
        QStringList expected;
        for (int i = 0; i < 10; ++i)
            expected << QStringLiteral("m%1 off").arg(i) << QStringLiteral("h%1 off").arg(i)
                     << QStringLiteral("m%1 enabled").arg(i)
                     << QStringLiteral("h%1 enabled").arg(i);
        QCOMPARE(view.calls, expected);
        QCOMPARE(quiz->SelectedMineral(), PairQuiz::NoChoice);
        QCOMPARE(quiz->SelectedHardness(), PairQuiz::NoChoice);
        QVERIFY(view.attempts.isEmpty()); // messages and counters are left alone
        QVERIFY(view.correct.isEmpty());
    }

    void messageIsReadBackBeforeTheDescriptionIsAppended()
    {
        // A view may normalise what it is given; the quiz builds on what the area really holds.
        struct NormalisingView : FakeQuizView
        {
            void setMessageText(const QString &text) override
            {
                FakeQuizView::setMessageText(text.startsWith(u'П') ? u'[' + text : text);
            }
        } normalising;
        PairQuiz q(normalising);
        q.ChooseMineral(0);
        q.ChooseHardness(0);
        q.EvaluatePair();
        QCOMPARE(normalising.message,
            QStringLiteral("[Правилно!\r\n") + MineralCatalogue::instance().description(0) + crlf);
    }

    void countersContinueFromForeignText()
    {
        // The labels are the score's only store: the quiz continues from whatever they hold.
        view.attempts = QStringLiteral(" 41");
        view.correct = QStringLiteral("7 ");
        quiz->EvaluatePair();
        QCOMPARE(view.attempts, QStringLiteral("42"));
        QCOMPARE(view.correct, QStringLiteral("7"));
    }
};

QTEST_GUILESS_MAIN(PairQuizTest)
#include "test_pair_quiz.moc"
