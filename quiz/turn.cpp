// Starting a question and taking the answer.
#include <cmath>

#include "quiz/questionbank.h"
#include "shell/colours.h"
#include "shell/form1.h"

void Form1::s_Click()
{
    // A start abandons any question still counting down: every stage timer
    // is disarmed first, so the new question gets its full five seconds and
    // the old one is not charged.
    for (Timer *stage : stageTimers)
        stage->setInterval(0);

    Timer *const Timer8 = stageTimers.front();
    m_platform.sound.play(Cue::Question);
    Timer8->setEnabled(true);
    t->setCaption(QString());
    d->setCaption(QString());
    pn->setCaption(QString());
    Text1->setEnabled(true);
    Timer8->setInterval(1000);
    Text1->setFocus();
    Text1->setText(QString());
    Label3->setCaption(QStringLiteral("="));
    b->setCaption(QStringLiteral("?"));
    const int index = drawQuestionIndex();
    // The lookup runs for every draw, also when the same index comes again
    // and setting the text is no change.
    const QString indexText = QString::number(index);
    if (c->text() == indexText)
        c_Change();
    else
        c->setText(indexText);
    setKeypadEnabled(true);
    Timer5->setEnabled(false);
    Timer6->setEnabled(false);
    d->setBackColor(colour::lightGreen);
    // A flash may have left the text white: a following "Yanlış Cevap"
    // would be unreadable on light green.
    d->setForeColor(colour::red);
    tellScreenReaders(Told::Question);
}

// The question index in c picks the question and its answer.
void Form1::c_Change()
{
    if (const auto question = quiz::questionFor(c->text())) {
        a->setCaption(question->caption);
        l->setText(question->answer);
    }
}

int Form1::drawQuestionIndex()
{
    m_platform.random.reseed(m_platform.clock.secondsOfDay());
    const double r = m_platform.random.next();
    return std::clamp(int(std::floor(r * 100.0)), 0, 99);
}

void Form1::appendDigit(char digit)
{
    // A fourth character is cut off again by the field, so nothing changes.
    Text1->setText(Text1->text() + QLatin1Char(digit));
}

void Form1::setKeypadEnabled(bool enabled)
{
    // In telephone order, 1..9 and then 0, as the keys were always switched.
    for (int digit : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0})
        digitKeys[size_t(digit)]->setEnabled(enabled);
}

void Form1::a0_Click() { appendDigit('0'); }
void Form1::a1_Click() { appendDigit('1'); }
void Form1::a2_Click() { appendDigit('2'); }
void Form1::a3_Click() { appendDigit('3'); }
void Form1::a4_Click() { appendDigit('4'); }
void Form1::a5_Click() { appendDigit('5'); }
void Form1::a6_Click() { appendDigit('6'); }
void Form1::a7_Click() { appendDigit('7'); }
void Form1::a8_Click() { appendDigit('8'); }
void Form1::a9_Click() { appendDigit('9'); }

void Form1::Text1_KeyPress(int &KeyAscii)
{
    if (KeyAscii == 8)
        return;
    if (KeyAscii >= '0' && KeyAscii <= '9')
        return;
    KeyAscii = 0;
}

void Form1::Text1_Change()
{
    d->setCaption(QString());
    if (Text1->text() != l->text())
        return;
    // Graded only while the question is open ("?" in the answer slot):
    // never before the first question, never twice for one question.
    if (b->caption() != QLatin1String("?"))
        return;
    b->setCaption(l->text());
    d->setCaption(QStringLiteral("Doğru Cevap"));
}
