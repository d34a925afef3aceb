// Random user actions against the real window, checking after every one what the pupil can see,
// and watching resident memory over the whole run.
//
//   tvirdex_soak [actions=100000] [seed=20240917]
//
// Exits 1 on the first broken rule (printing seed, step and rule) or when resident memory grew
// by more than 256 KiB between the warm-up and the end (not checked under AddressSanitizer,
// whose quarantine keeps freed memory resident).

#include "bench_support.h"
#include "main_window.h"

#include <QElapsedTimer>
#include <QStyleFactory>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define TVIRDEX_UNDER_ASAN
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TVIRDEX_UNDER_ASAN
#endif
#endif

namespace {

constexpr long allowedGrowthKiB = 256;
constexpr unsigned long long defaultSeed = 20240917;

class Soak
{
public:
    Soak(const driver::Controls &c, quint64 seed)
        : m_c(c)
        , m_rng(seed)
    { }

    // One random action; false once a rule is broken (the reason is in failure()).
    bool step()
    {
        act();
        QCoreApplication::processEvents();
        return check();
    }

    // A whole game played right with wrong pairs and arrow keys between, then a fresh start:
    // every photo, every description and every message has been shown once.
    bool warmUp()
    {
        for (int i = 0; i < 10; ++i) {
            driver::click(m_c.mineral[i]);
            if (i < 9) {
                driver::click(m_c.hardness[i + 1]);
                arrowOn(m_c.hardness[i + 1], Qt::Key_Down);
                pressEvaluate();
            }
            driver::click(m_c.hardness[i]);
            pressEvaluate();
            QCoreApplication::processEvents();
            if (!check())
                return false;
        }
        pressClear();
        QCoreApplication::processEvents();
        mix = {};
        return check();
    }

    const std::string &failure() const { return m_failure; }

    // What the run covered, so a change in the mix of actions does not go unnoticed: option
    // clicks, arrow keys, Изведи, Чисти, and games played to the last pair.
    enum Kind { Option, Arrow, Evaluate, Clear, Finished };
    std::array<long long, 5> mix {};
    const std::string &lastAction() const { return m_action; }

private:
    void act()
    {
        for (;;) {
            const int roll = pick(100);
            if (roll >= 64 && roll < 84) {
                const bool evaluate = roll < 82;
                m_action = evaluate ? "click Изведи" : "click Чисти";
                evaluate ? pressEvaluate() : pressClear();
                return;
            }
            // An option button: clicked (a mineral below 32, a value below 64), or an arrow key.
            const bool arrow = roll >= 84;
            const bool hardness = arrow ? pick(2) != 0 : roll >= 32;
            QRadioButton *b = nullptr;
            // Half the time the pupil knows the answer, so games do reach their end.
            if (hardness && !arrow && pick(2) == 0) {
                for (int i = 0; i < 10; ++i) {
                    if (m_c.mineral[i]->isChecked() && m_c.hardness[i]->isEnabled())
                        b = m_c.hardness[i];
                }
            }
            if (!b)
                b = randomEnabled(hardness ? m_c.hardness : m_c.mineral);
            if (!b)
                continue;
            const std::string index = std::to_string(b->property("index").toInt());
            if (arrow) {
                const bool down = pick(2) == 0;
                m_action = std::string("arrow ") + (down ? "Down" : "Up") + " on "
                    + b->objectName().toStdString() + ' ' + index;
                arrowOn(b, down ? Qt::Key_Down : Qt::Key_Up);
            } else {
                ++mix[Option];
                m_action = std::string("click ") + (hardness ? "hardness " : "mineral ") + index;
                driver::click(b);
            }
            return;
        }
    }

    void pressEvaluate()
    {
        driver::click(m_c.evaluate);
        ++m_evaluations;
        ++mix[Evaluate];
    }

    void pressClear()
    {
        driver::click(m_c.clear);
        m_evaluations = 0;
        ++mix[Clear];
    }

    // As after Tab: the button holds the focus, then the arrow key goes to whatever has it.
    void arrowOn(QRadioButton *b, Qt::Key key)
    {
        b->setFocus(Qt::TabFocusReason);
        if (QApplication::focusWidget() != b) {
            m_focusLost = true;
            return;
        }
        QTest::keyClick(b, key);
        ++mix[Arrow];
    }

    QRadioButton *randomEnabled(const std::array<QRadioButton *, 10> &column)
    {
        std::vector<QRadioButton *> open;
        for (QRadioButton *b : column) {
            if (b->isEnabled())
                open.push_back(b);
        }
        return open.empty() ? nullptr : open[pick(int(open.size()))];
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    bool fail(std::string why)
    {
        m_failure = std::move(why);
        return false;
    }

    bool check()
    {
        if (m_focusLost)
            return fail("an option button did not take the keyboard focus");
        const int attempts = driver::counterValue(m_c.attempts);
        const int correct = driver::counterValue(m_c.correct);
        const std::string counters = "attempts '" + m_c.attempts->text().toStdString()
            + "', correct '" + m_c.correct->text().toStdString() + "'";
        if (attempts < 0 || correct < 0)
            return fail("a counter is not a whole number: " + counters);
        if (correct > attempts)
            return fail("more correct answers than attempts: " + counters);
        if (correct > 10)
            return fail("more than 10 correct answers since the last Чисти: " + counters);
        if (attempts != m_evaluations)
            return fail(counters + " after " + std::to_string(m_evaluations)
                + " presses of Изведи since the last Чисти");

        int retired = 0;
        int checkedMinerals = 0;
        int checkedValues = 0;
        for (int i = 0; i < 10; ++i) {
            const QRadioButton *m = m_c.mineral[i];
            const QRadioButton *h = m_c.hardness[i];
            const std::string pair
                = "pair " + std::to_string(i) + " (" + m->text().toStdString() + ")";
            checkedMinerals += m->isChecked();
            checkedValues += h->isChecked();
            if (m->isEnabled() != h->isEnabled())
                return fail(pair + ": only one of its two buttons is retired");
            if (!m->isEnabled()) {
                ++retired;
                if (m->isChecked() || h->isChecked())
                    return fail(pair + ": a retired button is still selected");
            }
        }
        if (checkedMinerals > 1 || checkedValues > 1)
            return fail("more than one button selected in a column");
        if (retired != correct)
            return fail(std::to_string(retired) + " retired pairs but " + counters);
        mix[Finished] += retired == 10 && !m_finished;
        m_finished = retired == 10;
        return true;
    }

    const driver::Controls &m_c;
    std::mt19937_64 m_rng;
    int m_evaluations = 0;
    bool m_focusLost = false;
    bool m_finished = false;
    std::string m_action = "none";
    std::string m_failure;
};

} // namespace

int main(int argc, char *argv[])
{
    driver::defaultToOffscreen();
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    const QStringList args = QCoreApplication::arguments();
    bool ok = true;
    const long long actions = args.size() > 1 ? args[1].toLongLong(&ok) : 100000;
    bool seedOk = true;
    const unsigned long long seed = args.size() > 2 ? args[2].toULongLong(&seedOk) : defaultSeed;
    if (!ok || !seedOk || actions < 1) {
        std::fprintf(stderr, "usage: tvirdex_soak [actions=100000] [seed=%llu]\n", defaultSeed);
        return 2;
    }
    std::printf("tvirdex_soak: %lld actions, seed %llu, platform %s\n", actions, seed,
        qPrintable(QGuiApplication::platformName()));

    Tvirdex form;
    driver::Controls controls;
    if (!driver::openWindow(form, controls))
        return 1;
    driver::PaintCounter paints(&form);
    app.installEventFilter(&paints);

    Soak soak(controls, seed);
    if (!soak.warmUp()) {
        std::fprintf(stderr, "FAIL seed %llu, warm-up round: %s\n", seed, soak.failure().c_str());
        return 1;
    }
    const long rssStart = driver::procStatusKiB("VmRSS");
    const qint64 paintsBefore = paints.count;

    QElapsedTimer timer;
    timer.start();
    for (long long n = 1; n <= actions; ++n) {
        if (!soak.step()) {
            std::fprintf(stderr, "FAIL seed %llu, step %lld, after '%s': %s\n", seed, n,
                soak.lastAction().c_str(), soak.failure().c_str());
            return 1;
        }
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    QCoreApplication::processEvents();
    const long rssEnd = driver::procStatusKiB("VmRSS");
    const long growth = rssEnd - rssStart;
    const long long painted = paints.count - paintsBefore;

    std::printf("%lld actions in %.2f s, %lld paint events, peak VmHWM %ld KiB; %lld option "
                "clicks, %lld arrow keys, %lld Изведи, %lld Чисти, %lld games to the last pair\n",
        actions, seconds, painted, driver::procStatusKiB("VmHWM"), soak.mix[Soak::Option],
        soak.mix[Soak::Arrow], soak.mix[Soak::Evaluate], soak.mix[Soak::Clear],
        soak.mix[Soak::Finished]);

#if defined(TVIRDEX_UNDER_ASAN)
    // AddressSanitizer holds freed blocks in quarantine, so resident memory grows by design.
    const bool memoryChecked = false;
#else
    const bool memoryChecked = true;
#endif
    const bool grewTooMuch = memoryChecked && growth > allowedGrowthKiB;
    // Rows for the summary table of run-benchmarks: measure, figure, target, verdict.
    std::printf("RESULT\tsoak: %lld random actions, seed %llu\t%.0f actions/s\t-\t-\n", actions,
        seed, actions / seconds);
    std::printf(
        "RESULT\tsoak: VmRSS after warm-up -> end\t%.2f -> %.2f MiB (%+ld KiB)\t<= +%ld KiB\t%s\n",
        rssStart / 1024.0, rssEnd / 1024.0, growth, allowedGrowthKiB,
        !memoryChecked    ? "not applied (ASan)"
            : grewTooMuch ? "MISSED"
                          : "met");
    const char *fault = painted == 0 ? "nothing was repainted, so painting went untested"
        : rssStart < 0 || rssEnd < 0 ? "cannot read VmRSS from /proc/self/status"
        : grewTooMuch                ? "resident memory grew beyond the limit"
                                     : nullptr;
    if (fault) {
        std::fprintf(stderr, "FAIL seed %llu: %s\n", seed, fault);
        return 1;
    }
    std::printf("OK\n");
    return 0;
}
