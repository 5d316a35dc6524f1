// Random play in virtual time: thousands of seeded clicks, key presses,
// pastes, how-to-play window openings and clock steps, with the game's
// invariants checked after every single one. A failure names the seed and
// the event number and lists the events before it; KORUBEL_SEED replays one
// seed with every event printed.
#include <QClipboard>
#include <QRegularExpression>
#include <QtTest>
#include <cstdio>
#include <deque>
#include <random>

#include "shell/application.h"
#include "shell/form1.h"
#include "tests/support/namedcontrols.h"
#include "study/pagetable.h"
#include "tests/support/fakegame.h"
#include "tests/support/fakeplatform.h"

namespace {

constexpr int kEventsPerSeed = 3000;
constexpr unsigned kSeeds = 8;
// From this event on a run may end: the player may grow patient enough for
// ten timeouts in one game, or leave. Fixed, so that a replay cut short by
// KORUBEL_EVENTS still plays the same events.
constexpr int kLateFrom = kEventsPerSeed / 2;
constexpr int kLogLength = 20;

struct Summary
{
    int events = 0;
    int games = 0;
    int correct = 0;
    int wrong = 0;
    bool gameOver = false;
    bool exited = false;
    qint64 virtualMs = 0;
};

QtMessageHandler previousMessageHandler = nullptr;

void dropRaiseWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // The offscreen platform cannot raise a window, and every opening of
    // the how-to-play window raises it: hundreds of lines of noise a run.
    if (type == QtWarningMsg && message == QLatin1String("This plugin does not support raise()"))
        return;
    previousMessageHandler(type, context, message);
}

int aboutWindowCount()
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<FrmAbout *>(w))
            ++count;
    return count;
}

void sendKey(QWidget *target, int key, const QString &text, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(target, &release);
}

// One seeded run of a fresh window. The random player only does what a
// child could do: it clicks what is on screen and enabled, types into the
// answer field while it takes input, and lets time pass.
class RandomPlayer
{
public:
    RandomPlayer(unsigned seed, int events, bool verbose);
    ~RandomPlayer();

    bool showWindow();
    // Plays until the events are used up or the program has ended;
    // returns the failure report, empty when every check held.
    QString play();
    const Summary &summary() const { return m_summary; }
    QString summaryLine() const;

private:
    // The window's controls by object name.
    Label *label(const char *name) const { return named::label(m_form, name); }
    QPushButton *button(const char *name) const { return named::button(m_form, name); }
    TextField *field(const char *name) const { return named::field(m_form, name); }
    QWidget *picture(const char *name) const { return named::picture(m_form, name); }
    enum class Screen { Start, Game, Menu, WholeTable, Memorise, None };
    enum Kind {
        ClickButton, AnswerDigit, KeyDigit, KeyOther, KeyBackspace, KeyEnter, KeyTab, KeySpace,
        Paste, OpenByQuestionMark, CloseByKapat, CloseByCloseBox, Advance, WaitOut, Exit, CloseMain
    };

    QString step();
    QString check();
    QString checkEnd();
    QStringList screensShowing() const;
    QString state() const;
    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    double chance() { return std::uniform_real_distribution<double>(0.0, 1.0)(m_rng); }
    void queueQuestion() { m_fake.random.values.clear(); m_fake.random.queueIndex(uniform(0, 99)); }
    QWidget *keyTarget() const;
    bool stageArmed(int *count = nullptr) const;
    QString report(const QString &what) const;

    unsigned m_seed;
    int m_events;
    bool m_verbose;
    std::mt19937 m_rng;
    FakePlatform m_fake;
    Form1 *m_form = nullptr;
    Summary m_summary;
    std::deque<QString> m_log;
    int m_eventNo = 0;

    // What the last event is known to have done, from the buttons' own
    // clicked signals (a click may come from the mouse, Space or Enter).
    Screen m_expected = Screen::Start;
    bool m_gameLeft = false;
    // A patient player hardly ever leaves a game and lets questions run
    // out, so that ten timeouts in one game happen.
    bool m_patient = false;
    int m_prevDgr = 0, m_prevYnl = 0, m_prevPuan = 0;
    int m_ynlReachedTen = 0;
    QStringList m_atPrompt;
};

RandomPlayer::RandomPlayer(unsigned seed, int events, bool verbose)
    : m_seed(seed)
    , m_events(events)
    , m_verbose(verbose)
    , m_rng(seed)
{
    m_form = new Form1(m_fake.platform());
    Form1 *f = m_form;
    QObject::connect(button("oyn"), &QPushButton::clicked, f, [this] {
        m_expected = Screen::Game;
        ++m_summary.games;
        m_patient = m_eventNo > kLateFrom && chance() < 0.04;
    });
    QObject::connect(button("kpt"), &QPushButton::clicked, f, [this] {
        m_expected = Screen::Menu;
        m_gameLeft = true;
    });
    QObject::connect(button("tm"), &QPushButton::clicked, f, [this] { m_expected = Screen::WholeTable; });
    QObject::connect(button("tbl"), &QPushButton::clicked, f, [this] { m_expected = Screen::Memorise; });
    QObject::connect(label("ynl"), &Label::changed, f, [this] {
        if (label("ynl")->caption() == QLatin1String("10"))
            ++m_ynlReachedTen;
    });
    m_fake.prompt.whileShown = [this] {
        m_atPrompt << QStringLiteral("ynl=%1 armed=%2")
                          .arg(label("ynl")->caption(), QLatin1String(m_fake.clock.nextDueNs() ? "yes" : "no"));
    };
}

RandomPlayer::~RandomPlayer()
{
    delete m_form;
}

bool RandomPlayer::showWindow()
{
    m_form->show();
    return QTest::qWaitForWindowActive(m_form);
}

QString RandomPlayer::summaryLine() const
{
    return QStringLiteral("seed %1: %2 events, %3 games, %4 correct, %5 wrong, game over: %6, exit: %7, %8 s of virtual time")
        .arg(m_seed).arg(m_summary.events).arg(m_summary.games).arg(m_summary.correct).arg(m_summary.wrong)
        .arg(m_summary.gameOver ? "yes" : "no").arg(m_summary.exited ? "yes" : "no").arg(m_summary.virtualMs / 1000);
}

QString RandomPlayer::state() const
{
    return QStringLiteral("[%1 a=%2 b=%3 t=%4 d=%5 pn=%6 Text1=%7 dgr=%8 ynl=%9 puan=%10]")
        .arg(screensShowing().join(QLatin1Char('|')), label("a")->caption(), label("b")->caption(), label("t")->caption(),
             label("d")->caption(), label("pn")->caption(), field("Text1")->text(), label("dgr")->caption(), label("ynl")->caption())
        .arg(label("puan")->caption());
}

QString RandomPlayer::report(const QString &what) const
{
    QString text = QStringLiteral("seed %1, event %2: %3\nlast events:").arg(m_seed).arg(m_eventNo).arg(what);
    for (const QString &line : m_log)
        text += QLatin1Char('\n') + line;
    text += QStringLiteral("\nreplay with KORUBEL_SEED=%1").arg(m_seed);
    return text;
}

QWidget *RandomPlayer::keyTarget() const
{
    // Keys go where the keyboard focus is; a focus left on a control that
    // is no longer on screen cannot receive them, the window does.
    QWidget *focus = m_form->focusWidget();
    if (focus && focus->isVisibleTo(m_form) && focus->isEnabled())
        return focus;
    return m_form;
}

bool RandomPlayer::stageArmed(int *count) const
{
    int armed = 0;
    for (const char *stage : {"Timer8", "Timer7", "Timer1", "Timer2", "Timer3", "Timer4"})
        armed += named::timer(m_form, stage)->isArmed() ? 1 : 0;
    if (count)
        *count = armed;
    return armed > 0;
}

QStringList RandomPlayer::screensShowing() const
{
    Form1 *f = m_form;
    const auto shown = [f](QWidget *w) { return w->isVisibleTo(f); };
    const auto usable = [f](QWidget *w) { return w->isVisibleTo(f) && w->isEnabled(); };
    int wholeLists = 0, memoriseShown = 0;
    for (QListView *list : wholeTableLists(f))
        wholeLists += list && shown(list) ? 1 : 0;
    for (QListView *list : memoriseLists(f))
        memoriseShown += list && shown(list) ? 1 : 0;
    // Out of game mode the menu offers "Oyuna Başla" and "Çıkış" and one
    // of the two study buttons, the other one being the current view's.
    const bool outOfGame = usable(button("oyn")) && !shown(button("kpt")) && usable(button("cks"))
                           && !shown(button("hknd")) && !shown(picture("fr"));
    const bool noPager = !shown(button("g")) && !shown(button("i"));

    QStringList screens;
    if (outOfGame && usable(button("tm")) && !shown(button("tbl")) && shown(picture("p1")) && wholeLists == 0 && memoriseShown == 0
        && noPager && shown(label("Label6")) && shown(label("Label7")))
        screens << QStringLiteral("start");
    if (outOfGame && !shown(button("tm")) && usable(button("tbl")) && shown(picture("p1")) && wholeLists == 0 && memoriseShown == 0
        && noPager && !shown(label("Label6")) && !shown(label("Label7")))
        screens << QStringLiteral("menu");
    if (outOfGame && !shown(button("tm")) && usable(button("tbl")) && !shown(picture("p1")) && wholeLists == 10 && memoriseShown == 0
        && noPager && !shown(label("Label6")) && !shown(label("Label7")))
        screens << QStringLiteral("whole table");
    if (outOfGame && usable(button("tm")) && !shown(button("tbl")) && !shown(picture("p1")) && wholeLists == 0 && memoriseShown == 1
        && shown(button("g")) && shown(button("i")) && shown(label("Label6")) && shown(label("Label7")))
        screens << QStringLiteral("memorise");
    // In game mode the study button of the screen it was entered from
    // stays on screen, greyed.
    if (!shown(button("oyn")) && usable(button("kpt")) && !shown(button("cks")) && usable(button("hknd"))
        && shown(picture("fr")) && !shown(picture("p1")) && shown(button("tm")) != shown(button("tbl"))
        && !button("tm")->isEnabled() && !button("tbl")->isEnabled() && usable(button("s"))
        && wholeLists == 0 && memoriseShown == 0 && noPager)
        screens << QStringLiteral("game");
    return screens;
}

QString RandomPlayer::step()
{
    Form1 *f = m_form;
    const bool entry = field("Text1")->isVisibleTo(f) && field("Text1")->isEnabled();
    const bool questionOpen = label("b")->caption() == QLatin1String("?");
    const bool counting = stageArmed();
    FrmAbout *about = f->about();

    std::vector<Kind> kinds;
    std::vector<double> weights;
    const auto offer = [&](Kind kind, double weight) {
        if (weight <= 0)
            return;
        kinds.push_back(kind);
        weights.push_back(weight);
    };
    offer(ClickButton, 30);
    if (entry) {
        if (questionOpen)
            offer(AnswerDigit, m_patient ? 1 : 25);
        offer(KeyDigit, 4);
        offer(KeyOther, 2);
        offer(KeyBackspace, 2);
        offer(Paste, 2);
    }
    const bool late = m_eventNo > kLateFrom;
    // Space and Enter press the focused button; on "Çıkış" they end the
    // program, which is kept as rare as a click on it.
    const bool onExit = f->focusWidget() == button("cks");
    offer(KeyEnter, !onExit ? 4 : late ? 0.02 : 0);
    offer(KeyTab, 2);
    offer(KeySpace, keyTarget() != button("cks") ? 2 : late ? 0.02 : 0);
    if (label("Label8")->isVisibleTo(f))
        offer(OpenByQuestionMark, 1.5);
    if (about && about->isVisible())
        offer(CloseByKapat, 1.5);
    if (about)
        offer(CloseByCloseBox, 1.5);
    offer(Advance, 25);
    if (counting)
        offer(WaitOut, m_patient ? 25 : 1);
    // Ending the program, rarely and only late in a run.
    if (late) {
        if (button("cks")->isVisibleTo(f))
            offer(Exit, 0.02);
        offer(CloseMain, 0.01);
    }

    const Kind kind = kinds[std::discrete_distribution<size_t>(weights.begin(), weights.end())(m_rng)];
    switch (kind) {
    case ClickButton: {
        std::vector<QPushButton *> buttons;
        std::vector<double> buttonWeights;
        const auto add = [&](QPushButton *button, double weight) {
            if (button->isVisibleTo(f) && button->isEnabled()) {
                buttons.push_back(button);
                buttonWeights.push_back(weight);
            }
        };
        add(button("tm"), 3);
        add(button("tbl"), 3);
        add(button("oyn"), 3);
        add(button("kpt"), m_patient ? 0.05 : 1);
        add(button("hknd"), 0.7);
        add(button("g"), 3);
        add(button("i"), 3);
        add(button("s"), m_patient ? (counting ? 0.3 : 8) : 3);
        for (QPushButton *key : named::digitKeys(f))
            add(key, 0.4);
        QPushButton *chosen = buttons[std::discrete_distribution<size_t>(buttonWeights.begin(), buttonWeights.end())(m_rng)];
        if (chosen == button("s"))
            queueQuestion();
        const QString name = chosen->objectName();
        chosen->click();
        return QStringLiteral("click %1").arg(name);
    }
    case AnswerDigit: {
        // Works towards the right answer: the next digit of it, or
        // Backspace while the field holds something else.
        const QString typed = field("Text1")->text(), answer = field("l")->text();
        if (!answer.startsWith(typed) || typed.size() >= answer.size()) {
            sendKey(field("Text1"), Qt::Key_Backspace, QStringLiteral("\b"));
            return QStringLiteral("answering: key Backspace");
        }
        const QChar digit = answer.at(typed.size());
        if (chance() < 0.4) {
            named::digitKey(f, digit.digitValue())->click();
            return QStringLiteral("answering: click a%1").arg(digit);
        }
        sendKey(field("Text1"), Qt::Key_0 + digit.digitValue(), QString(digit));
        return QStringLiteral("answering: key %1").arg(digit);
    }
    case KeyDigit: {
        const int digit = uniform(0, 9);
        const bool keypad = chance() < 0.3;
        sendKey(field("Text1"), Qt::Key_0 + digit, QString::number(digit), keypad ? Qt::KeypadModifier : Qt::NoModifier);
        return QStringLiteral("key %1%2").arg(digit).arg(keypad ? " (keypad)" : "");
    }
    case KeyOther: {
        static const char *const others[] = {"a", "Z", " ", "-", ".", ",", "+", "ş", "İ", "½", "٣", "x", "*"};
        const QString ch = QString::fromUtf8(others[uniform(0, int(std::size(others)) - 1)]);
        sendKey(field("Text1"), int(ch.at(0).toUpper().unicode()), ch);
        return QStringLiteral("key '%1'").arg(ch);
    }
    case KeyBackspace:
        sendKey(field("Text1"), Qt::Key_Backspace, QStringLiteral("\b"));
        return QStringLiteral("key Backspace");
    case KeyEnter: {
        queueQuestion();
        const bool toWindow = chance() < 0.5;
        QWidget *target = toWindow ? f : keyTarget();
        const bool keypad = chance() < 0.3;
        sendKey(target, keypad ? Qt::Key_Enter : Qt::Key_Return, QStringLiteral("\r"),
                keypad ? Qt::KeypadModifier : Qt::NoModifier);
        return QStringLiteral("key %1 to %2").arg(keypad ? "Enter" : "Return", target->objectName());
    }
    case KeyTab: {
        QWidget *target = keyTarget();
        const QString name = target->objectName();
        sendKey(target, Qt::Key_Tab, QStringLiteral("\t"));
        QWidget *now = f->focusWidget();
        return QStringLiteral("key Tab to %1, focus now %2").arg(name, now ? now->objectName() : QStringLiteral("none"));
    }
    case KeySpace: {
        QWidget *target = keyTarget();
        const QString name = target->objectName();
        if (target == button("s"))
            queueQuestion();
        sendKey(target, Qt::Key_Space, QStringLiteral(" "));
        return QStringLiteral("key Space to %1").arg(name);
    }
    case Paste: {
        static const char *const clips[] = {"12", "1a", "-5", "999", "", "7", "100", "0", "٣", "1 2", "4\n"};
        // Sometimes the right answer, as a child who copied it would.
        const QString clip = chance() < 0.25 ? field("l")->text() : QString::fromUtf8(clips[uniform(0, int(std::size(clips)) - 1)]);
        QApplication::clipboard()->setText(clip);
        field("Text1")->paste();
        return QStringLiteral("paste \"%1\"").arg(QString(clip).replace(QLatin1Char('\n'), QLatin1String("\\n")));
    }
    case OpenByQuestionMark:
        Q_EMIT label("Label8")->clicked();
        return QStringLiteral("click ?");
    case CloseByKapat:
        Q_EMIT named::label(about, "Label1")->clicked();
        return QStringLiteral("click Kapat");
    case CloseByCloseBox:
        about->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return QStringLiteral("close box of the how-to-play window");
    case Advance:
    case WaitOut: {
        const int pick = uniform(0, 99);
        const int ms = kind == WaitOut ? uniform(6000, 7000)
                       : pick < 50     ? uniform(0, 300)
                       : pick < 80     ? uniform(300, 1500)
                       : pick < 95     ? uniform(1500, 4000)
                                       : uniform(4000, 7000);
        m_fake.clock.advance(ms);
        return QStringLiteral("%1 %2 ms").arg(kind == WaitOut ? "wait out" : "advance").arg(ms);
    }
    case Exit:
        button("cks")->click();
        return QStringLiteral("click cks");
    case CloseMain:
        f->close();
        return QStringLiteral("close box of the main window");
    }
    return QString();
}

QString RandomPlayer::check()
{
    Form1 *f = m_form;
    static const QRegularExpression integer(QStringLiteral("^(0|-?[1-9][0-9]*)$"));
    static const QRegularExpression digits(QStringLiteral("^[0-9]{0,3}$"));
    static const QRegularExpression question(QStringLiteral("^([1-9]|10)x([1-9]|10)$"));
    static const QStringList countdowns = {"", "05", "04", "03", "02", "01", "00"};
    static const QStringList results = {"", "Doğru Cevap", "Yanlış Cevap", "Dogru Cevap", "Tebrikler"};

    // The prompt is shown exactly when ynl becomes "10", with nothing armed.
    if (m_fake.prompt.shown != m_ynlReachedTen)
        return QStringLiteral("game-over prompt shown %1 times, ynl reached 10 %2 times")
            .arg(m_fake.prompt.shown).arg(m_ynlReachedTen);
    for (const QString &seen : m_atPrompt)
        if (seen != QLatin1String("ynl=10 armed=no"))
            return QStringLiteral("at the game-over prompt: %1").arg(seen);

    for (Label *counter : {label("dgr"), label("ynl"), label("puan")})
        if (!integer.match(counter->caption()).hasMatch())
            return QStringLiteral("%1 is no integer text: \"%2\"").arg(counter->objectName(), counter->caption());
    const int dgr = label("dgr")->caption().toInt(), ynl = label("ynl")->caption().toInt(), puan = label("puan")->caption().toInt();

    if (m_gameLeft) {
        // Leaving the game starts the next one from nothing.
        if (dgr != 0 || ynl != 0 || puan != 0)
            return QStringLiteral("counters not reset by kpt");
    } else {
        if (dgr < m_prevDgr || ynl < m_prevYnl)
            return QStringLiteral("a counter went down within a game (dgr %1 -> %2, ynl %3 -> %4)")
                .arg(m_prevDgr).arg(dgr).arg(m_prevYnl).arg(ynl);
        const int moreRight = dgr - m_prevDgr, moreWrong = ynl - m_prevYnl;
        if (moreRight + moreWrong > 1)
            return QStringLiteral("one event graded more than one question (dgr +%1, ynl +%2)").arg(moreRight).arg(moreWrong);
        int points = 0;
        if (moreRight == 1) {
            // The countdown stops at grading, so t still shows the second that pays.
            static const QHash<QString, int> paid = {{"05", 50}, {"04", 40}, {"03", 30}, {"02", 20}, {"01", 10}};
            points = paid.value(label("t")->caption(), 0);
            const QString pn = points ? QStringLiteral("%1 Puan").arg(points) : QString();
            if (label("pn")->caption() != pn || label("d")->caption() != QStringLiteral("Doğru Cevap") || label("b")->caption() != field("l")->text())
                return QStringLiteral("a correct answer shows pn \"%1\" d \"%2\" b \"%3\" (expected pn \"%4\")")
                    .arg(label("pn")->caption(), label("d")->caption(), label("b")->caption(), pn);
        } else if (moreWrong == 1) {
            // The tenth timeout ends the program before the score drops.
            points = f->isUnloaded() ? 0 : -10;
            if (label("t")->caption() != QLatin1String("00") || label("pn")->caption() != QLatin1String("-10 Puan")
                || label("d")->caption() != QStringLiteral("Yanlış Cevap") || label("b")->caption() != field("l")->text())
                return QStringLiteral("a timeout shows t \"%1\" pn \"%2\" d \"%3\" b \"%4\"")
                    .arg(label("t")->caption(), label("pn")->caption(), label("d")->caption(), label("b")->caption());
        }
        if (puan - m_prevPuan != points)
            return QStringLiteral("score changed by %1, the event earned %2").arg(puan - m_prevPuan).arg(points);
        m_summary.correct += moreRight;
        m_summary.wrong += moreWrong;
    }
    m_prevDgr = dgr;
    m_prevYnl = ynl;
    m_prevPuan = puan;
    m_gameLeft = false;

    if (f->isUnloaded())
        return checkEnd();
    if (!f->isVisible())
        return QStringLiteral("the window is hidden but not unloaded");

    if (!countdowns.contains(label("t")->caption()))
        return QStringLiteral("t shows \"%1\"").arg(label("t")->caption());
    if (!results.contains(label("d")->caption()))
        return QStringLiteral("d shows \"%1\"").arg(label("d")->caption());
    if (!digits.match(field("Text1")->text()).hasMatch())
        return QStringLiteral("Text1 holds \"%1\"").arg(field("Text1")->text());

    // The question and its answer agree; the answer slot is empty, open or the answer.
    if (!label("a")->caption().isEmpty()) {
        const auto match = question.match(label("a")->caption());
        if (!match.hasMatch())
            return QStringLiteral("a shows \"%1\"").arg(label("a")->caption());
        const int product = match.captured(1).toInt() * match.captured(2).toInt();
        if (field("l")->text() != QString::number(product))
            return QStringLiteral("question %1 has the answer \"%2\"").arg(label("a")->caption(), field("l")->text());
    }
    if (!label("b")->caption().isEmpty() && label("b")->caption() != QLatin1String("?") && label("b")->caption() != field("l")->text())
        return QStringLiteral("b shows \"%1\" for the answer \"%2\"").arg(label("b")->caption(), field("l")->text());

    for (QPushButton *key : named::digitKeys(f))
        if (key->isEnabled() != field("Text1")->isEnabled())
            return QStringLiteral("keypad %1 is %2 while Text1 is %3").arg(key->objectName(),
                                                                          key->isEnabled() ? "enabled" : "disabled",
                                                                          field("Text1")->isEnabled() ? "enabled" : "disabled");

    int stages = 0;
    stageArmed(&stages);
    if (stages > 1)
        return QStringLiteral("%1 stage timers armed").arg(stages);
    if (stages == 1 && (named::timer(f, "Timer5")->isArmed() || named::timer(f, "Timer6")->isArmed()))
        return QStringLiteral("the countdown and the flash run together");

    const QStringList screens = screensShowing();
    if (screens.size() != 1) {
        QStringList controls; // on screen, "~" after a greyed one
        for (QWidget *w : f->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (!w->objectName().isEmpty() && w->isVisibleTo(f))
                controls << w->objectName() + (w->isEnabled() ? QString() : QStringLiteral("~"));
        return QStringLiteral("%1 screens match (%2); on screen: %3")
            .arg(screens.size()).arg(screens.join(QStringLiteral(", ")), controls.join(QLatin1Char(' ')));
    }
    static const QHash<QString, Screen> byName = {
        {"start", Screen::Start}, {"game", Screen::Game}, {"menu", Screen::Menu},
        {"whole table", Screen::WholeTable}, {"memorise", Screen::Memorise}};
    if (byName.value(screens.first(), Screen::None) != m_expected)
        return QStringLiteral("the %1 screen is showing where the last menu click leads elsewhere").arg(screens.first());
    if (m_expected != Screen::Game && m_fake.clock.nextDueNs())
        return QStringLiteral("a timer armed out of game mode");
    if (m_expected == Screen::Memorise) {
        // The page number picks the list shown and which page buttons work.
        const QString page = field("no")->text();
        const study::Page *shownPage = study::pageFor(page);
        if (!shownPage)
            return QStringLiteral("the memorise view is on page \"%1\"").arg(page);
        QListView *list = memoriseLists(f).at(shownPage->table - 1);
        if (!list || !list->isVisibleTo(f))
            return QStringLiteral("page %1 does not show its table %2").arg(page).arg(shownPage->table);
        if (button("g")->isEnabled() != (page != QLatin1String("1")) || button("i")->isEnabled() != (page != QLatin1String("10")))
            return QStringLiteral("page %1 with g %2 and i %3").arg(page, button("g")->isEnabled() ? "enabled" : "disabled",
                                                                   button("i")->isEnabled() ? "enabled" : "disabled");
    } else if (!field("no")->text().isEmpty()) {
        return QStringLiteral("page number \"%1\" off the memorise view").arg(field("no")->text());
    }

    const int aboutWindows = aboutWindowCount();
    if (aboutWindows != (f->about() ? 1 : 0))
        return QStringLiteral("%1 how-to-play windows exist, about() is %2")
            .arg(aboutWindows).arg(f->about() ? "set" : "null");
    return QString();
}

QString RandomPlayer::checkEnd()
{
    // The program has ended: by the game-over prompt, "Çıkış" or the close box.
    Form1 *f = m_form;
    if (f->isVisible())
        return QStringLiteral("unloaded but still visible");
    if (m_fake.clock.nextDueNs())
        return QStringLiteral("a timer still armed after the end");
    if (f->about() || aboutWindowCount() != 0)
        return QStringLiteral("the how-to-play window outlives the program");
    const bool gameOver = m_fake.prompt.shown > 0;
    if (gameOver != (label("ynl")->caption() == QLatin1String("10")))
        return QStringLiteral("ended with ynl %1 after %2 prompts").arg(label("ynl")->caption()).arg(m_fake.prompt.shown);
    // Nothing runs any more.
    const size_t cues = m_fake.sound.cues.size();
    m_fake.clock.advance(60000);
    if (m_fake.sound.cues.size() != cues)
        return QStringLiteral("cues play after the end");
    return QString();
}

QString RandomPlayer::play()
{
    if (aboutWindowCount() != 0)
        return report(QStringLiteral("a how-to-play window is left over from an earlier run"));
    if (const QString failure = check(); !failure.isEmpty())
        return report(QStringLiteral("before any event: ") + failure);
    for (m_eventNo = 1; m_eventNo <= m_events; ++m_eventNo) {
        const QString event = step();
        const QString line = QStringLiteral("#%1 @%2 ms %3 -> %4").arg(m_eventNo).arg(m_fake.clock.now()).arg(event, state());
        m_log.push_back(line);
        if (m_log.size() > size_t(kLogLength))
            m_log.pop_front();
        if (m_verbose) {
            // Straight to the output: a whole run is more lines than the
            // test log lets through.
            std::fprintf(stdout, "%s\n", qPrintable(line));
            std::fflush(stdout);
        }
        m_summary.events = m_eventNo;
        m_summary.virtualMs = m_fake.clock.now();
        if (const QString failure = check(); !failure.isEmpty())
            return report(failure);
        if (m_form->isUnloaded()) {
            m_summary.gameOver = m_fake.prompt.shown > 0;
            m_summary.exited = !m_summary.gameOver;
            break;
        }
    }
    return QString();
}

} // namespace

class TestRandomPlay : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        prepareApplication(*qApp);
        previousMessageHandler = qInstallMessageHandler(dropRaiseWarnings);
    }
    void cleanupTestCase() { qInstallMessageHandler(previousMessageHandler); }
    void randomPlayKeepsTheInvariants_data();
    void randomPlayKeepsTheInvariants();
    void someSeedPlaysToGameOver();
    void replaySeedFromTheEnvironment();

private:
    QString run(unsigned seed, int events, bool verbose, Summary *summary);
    int m_seedsRun = 0;
    int m_gameOvers = 0;
};

QString TestRandomPlay::run(unsigned seed, int events, bool verbose, Summary *summary)
{
    RandomPlayer player(seed, events, verbose);
    if (!player.showWindow())
        return QStringLiteral("seed %1: the window did not become active").arg(seed);
    const QString failure = player.play();
    qInfo("%s", qPrintable(player.summaryLine()));
    *summary = player.summary();
    return failure;
}

void TestRandomPlay::randomPlayKeepsTheInvariants_data()
{
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed = 1; seed <= kSeeds; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void TestRandomPlay::randomPlayKeepsTheInvariants()
{
    QFETCH(unsigned, seed);
    Summary summary;
    const QString failure = run(seed, kEventsPerSeed, false, &summary);
    if (!failure.isEmpty()) {
        qInfo("%s", qPrintable(failure));
        QFAIL(qPrintable(failure));
    }
    ++m_seedsRun;
    m_gameOvers += summary.gameOver ? 1 : 0;
    // The player really played: a run that never enters a game or never
    // grades anything would check next to nothing.
    QVERIFY2(summary.games > 0, "no game was played");
    QVERIFY2(summary.correct > 0, "no question was answered");
    QVERIFY2(summary.wrong > 0, "no question ran out");
}

void TestRandomPlay::someSeedPlaysToGameOver()
{
    // After the seeded runs above it reads their tally; run on its own, it
    // plays the same seeds itself until one reaches game over.
    const bool allPlayed = m_seedsRun == int(kSeeds);
    for (unsigned seed = 1; !allPlayed && m_gameOvers == 0 && seed <= kSeeds; ++seed) {
        Summary summary;
        const QString failure = run(seed, kEventsPerSeed, false, &summary);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        m_gameOvers += summary.gameOver ? 1 : 0;
    }
    QVERIFY2(m_gameOvers > 0, "no seed reached ten timeouts in one game");
}

void TestRandomPlay::replaySeedFromTheEnvironment()
{
    const QByteArray seedText = qgetenv("KORUBEL_SEED");
    if (seedText.isEmpty())
        QSKIP("set KORUBEL_SEED (and optionally KORUBEL_EVENTS) to replay one seed");
    bool ok = false;
    const unsigned seed = seedText.toUInt(&ok);
    QVERIFY2(ok, "KORUBEL_SEED is no number");
    int events = kEventsPerSeed;
    if (const QByteArray eventsText = qgetenv("KORUBEL_EVENTS"); !eventsText.isEmpty())
        events = eventsText.toInt();
    Summary summary;
    const QString failure = run(seed, events, true, &summary);
    if (!failure.isEmpty())
        QFAIL(qPrintable(failure));
}

QTEST_MAIN(TestRandomPlay)
#include "tst_randomplay.moc"
