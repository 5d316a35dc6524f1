// Renders every screen of the game into PNG files, driving the window in
// virtual time: screenshots OUTPUT_DIR. Run it on a real display (Xvfb).
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "quiz/messageboxprompt.h"
#include "shell/application.h"
#include "shell/form1.h"
#include "shell/frmabout.h"
#include "shell/virtualclock.h"

namespace {

QString g_dir;

// The window's outside world while it is photographed: virtual time, the
// questions each picture needs, no sound, and the game-over box drawn over
// the window instead of waiting for an answer.
class Silence : public CuePlayer
{
public:
    void play(Cue) override {}
};

class ChosenQuestions : public RandomSource
{
public:
    void reseed(int) override {}
    // The question index that comes next; 0 once none is chosen.
    double next() override { return std::exchange(m_index, 0) / 100.0 + 0.005; }
    void choose(int index) { m_index = index; }

private:
    int m_index = 0;
};

class BoxPicture : public GameOverPrompt
{
public:
    void show(QWidget *parent, const QString &title, const QString &text) override;
};

struct Studio
{
    VirtualClock clock;
    Silence sound;
    ChosenQuestions random;
    BoxPicture prompt;
    Platform platform() { return Platform{clock, sound, random, prompt}; }
};

void click(QWidget &window, const char *button)
{
    window.findChild<QPushButton *>(QLatin1String(button))->click();
}

void settle()
{
    for (int n = 0; n < 5; ++n)
        QApplication::processEvents();
}

void save(QWidget *window, const char *name)
{
    settle();
    const QString path = g_dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    if (!window->grab().save(path))
        qFatal("cannot write %s", qPrintable(path));
    qInfo("%s", qPrintable(path));
}

// Types the answer, which the hidden field l holds, on the keypad.
void typeAnswer(Form1 &form)
{
    for (QChar digit : form.findChild<QLineEdit *>(QStringLiteral("l"))->text())
        click(form, QByteArray("a").append(digit.toLatin1()).constData());
}

void BoxPicture::show(QWidget *parent, const QString &title, const QString &text)
{
    auto box = MessageBoxPrompt::makeBox(parent, title, text);
    box->show();
    settle();
    // The box is a window of its own; draw it over the middle of the
    // game window as the window system shows it.
    QPixmap shot = parent->grab();
    const QPixmap boxShot = box->grab();
    QPainter painter(&shot);
    painter.fillRect(QRect(QPoint(), shot.size()), QColor(0, 0, 0, 60));
    const QPoint at((shot.width() - boxShot.width()) / 2, (shot.height() - boxShot.height()) / 2);
    painter.fillRect(QRect(at, boxShot.size()).adjusted(-1, -1, 1, 1), Qt::darkGray);
    painter.drawPixmap(at, boxShot);
    painter.end();
    const QString path = g_dir + QStringLiteral("/game-over.png");
    if (!shot.save(path))
        qFatal("cannot write %s", qPrintable(path));
    qInfo("%s", qPrintable(path));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);
    g_dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(g_dir);

    Studio studio;
    Form1 form(studio.platform());
    form.show();
    settle();
    save(&form, "start");

    // A question open, two seconds into its countdown.
    click(form, "oyn");
    studio.random.choose(66); // 7x7
    click(form, "s");
    studio.clock.advance(2000);
    auto *answer = form.findChild<QLineEdit *>(QStringLiteral("Text1"));
    answer->setText(QStringLiteral("4"));
    save(&form, "game-question");

    // Answered at "04", flashing "Tebrikler".
    answer->setText(QString());
    typeAnswer(form);
    studio.clock.advance(1000);
    save(&form, "game-correct");

    // A timeout.
    studio.random.choose(99); // 10x10
    click(form, "s");
    studio.clock.advance(6000);
    save(&form, "game-timeout");

    // The tenth timeout: the game-over box over the window.
    for (int n = 0; n < 9; ++n) {
        click(form, "s");
        studio.clock.advance(6000);
    }

    // A fresh window for the study views and the how-to-play window.
    Studio studio2;
    Form1 study(studio2.platform());
    study.show();
    settle();
    click(study, "tm");
    save(&study, "whole-table");
    click(study, "tbl");
    for (int page = 1; page <= 10; ++page) {
        const QByteArray name = "memorise-page-" + QByteArray::number(page);
        save(&study, name.constData());
        if (page < 10)
            click(study, "i");
    }
    click(study, "oyn");
    click(study, "hknd");
    save(study.about(), "how-to-play");
    return 0;
}
