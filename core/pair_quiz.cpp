#include "pair_quiz.h"

#include "mineral_catalogue.h"

#include <QLocale>

#include <cmath>

const QString PairQuiz::CorrectMessage = QStringLiteral("Правилно!");
const QString PairQuiz::WrongMessage = QStringLiteral("Грешен отговор - опитайте отново.");
const QString PairQuiz::PromptMessage = QStringLiteral("Направете своя избор!");
const QString PairQuiz::LineBreak = QStringLiteral("\r\n");

double ParseLeadingNumber(const QString &text)
{
    // Accepts what a counter can hold and tolerates anything after the number:
    // blanks, an optional sign, digits with an optional fraction and exponent.
    qsizetype pos = 0;
    const qsizetype size = text.size();
    auto isDigit = [&](qsizetype p) { return p < size && text[p] >= u'0' && text[p] <= u'9'; };

    while (pos < size && (text[pos] == u' ' || text[pos] == u'\t'))
        ++pos;
    const qsizetype start = pos;
    if (pos < size && (text[pos] == u'+' || text[pos] == u'-'))
        ++pos;
    const qsizetype digitsStart = pos;
    while (isDigit(pos))
        ++pos;
    qsizetype digits = pos - digitsStart;
    if (pos < size && text[pos] == u'.') {
        const qsizetype fractionStart = ++pos;
        while (isDigit(pos))
            ++pos;
        digits += pos - fractionStart;
    }
    if (digits == 0)
        return 0;
    qsizetype end = pos;
    if (pos < size && (text[pos] == u'e' || text[pos] == u'E')) {
        ++pos;
        if (pos < size && (text[pos] == u'+' || text[pos] == u'-'))
            ++pos;
        if (isDigit(pos)) {
            while (isDigit(pos))
                ++pos;
            end = pos;
        }
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(QStringView(text).sliced(start, end - start), &ok);
    return ok ? value : 0;
}

QString FormatNumber(double value)
{
    // Whole numbers print as plain digits up to 15 digits, the precision a double keeps exactly.
    if (value == std::trunc(value) && std::abs(value) < 1e15)
        return QString::number(qint64(value)); // also turns -0 into "0"
    return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
}

PairQuiz::PairQuiz(QuizView &view)
    : m_view(view)
{ }

void PairQuiz::ResetChoices()
{
    m_selectedMineral = NoChoice;
    m_selectedHardness = NoChoice;
    for (qint16 i = 0; i < MineralCatalogue::count; ++i) {
        m_view.deselectMineral(i);
        m_view.deselectHardness(i);
        m_view.setMineralEnabled(i, true);
        m_view.setHardnessEnabled(i, true);
    }
}

void PairQuiz::ChooseMineral(qint16 index)
{
    m_selectedMineral = index;
    m_view.showPhoto(index);
    ClearMessage();
}

void PairQuiz::ChooseHardness(qint16 index)
{
    m_selectedHardness = index;
    m_view.showPhoto(index);
    ClearMessage();
}

void PairQuiz::EvaluatePair()
{
    const double attempts = ParseLeadingNumber(m_view.attemptsText()) + 1;
    double correct = ParseLeadingNumber(m_view.correctText());

    if (m_selectedHardness == m_selectedMineral && m_selectedMineral + m_selectedHardness >= 0) {
        const qint16 matched = m_selectedMineral;
        m_view.setMessageText(CorrectMessage + LineBreak);
        m_view.setMessageText(
            m_view.messageText() + MineralCatalogue::instance().description(matched) + LineBreak);
        m_view.deselectMineral(matched);
        m_view.deselectHardness(matched);
        m_view.setMineralEnabled(matched, false);
        m_view.setHardnessEnabled(matched, false);
        correct += 1;
        // A matched pair is retired: without this, pressing evaluate again would score it again
        // and the correct count could pass the number of pairs.
        m_selectedMineral = NoChoice;
        m_selectedHardness = NoChoice;
    } else {
        m_view.setMessageText(WrongMessage + LineBreak);
    }

    m_view.setAttemptsText(FormatNumber(attempts));
    m_view.setCorrectText(FormatNumber(correct));
}

void PairQuiz::StartOver()
{
    m_view.setAttemptsText(QStringLiteral("0"));
    m_view.setCorrectText(QStringLiteral("0"));
    ResetChoices();
    m_view.setMessageText(PromptMessage);
}

void PairQuiz::ClearMessage()
{
    m_view.setMessageText(QString());
}
