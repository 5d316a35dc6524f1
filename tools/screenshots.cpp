// Renders every screen of the game into PNG files, driving the window in
// virtual time: screenshots OUTPUT_DIR. Run it on a real display (Xvfb).
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>

#include "quiz/gameoverbox.h"
#include "shell/designfonts.h"
#include "shell/form1.h"
#include "shell/frmabout.h"
#include "tests/support/fakeplatform.h"

namespace {

QString g_dir;

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

void typeAnswer(Form1 &form)
{
    for (QChar digit : form.l->text())
        form.digitButtons[size_t(digit.digitValue())]->click();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);
    g_dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(g_dir);

    FakePlatform fake;
    Form1 form(fake.platform());
    form.show();
    settle();
    save(&form, "start");

    // A question open, two seconds into its countdown.
    form.oyn->click();
    fake.random.queueIndex(66); // 7x7
    form.s->click();
    fake.clock.advance(2000);
    form.Text1->setText(QStringLiteral("4"));
    save(&form, "game-question");

    // Answered at "04", flashing "Tebrikler".
    form.Text1->setText(QString());
    typeAnswer(form);
    fake.clock.advance(1000);
    save(&form, "game-correct");

    // A timeout.
    fake.random.queueIndex(99); // 10x10
    form.s->click();
    fake.clock.advance(6000);
    save(&form, "game-timeout");

    // The tenth timeout: the game-over box over the window.
    fake.prompt.whileShown = [&] {
        auto box = MessageBoxPrompt::makeBox(&form, fake.prompt.lastTitle, fake.prompt.lastText);
        box->show();
        settle();
        // The box is a window of its own; draw it over the middle of the
        // game window as the window system shows it.
        QPixmap shot = form.grab();
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
    };
    for (int n = 0; n < 9; ++n) {
        form.s->click();
        fake.clock.advance(6000);
    }

    // A fresh window for the study views and the how-to-play window.
    FakePlatform fake2;
    Form1 study(fake2.platform());
    study.show();
    settle();
    study.tm->click();
    save(&study, "whole-table");
    study.tbl->click();
    for (int page = 1; page <= 10; ++page) {
        const QByteArray name = "memorise-page-" + QByteArray::number(page);
        save(&study, name.constData());
        if (page < 10)
            study.i->click();
    }
    study.oyn->click();
    study.hknd->click();
    save(study.about(), "how-to-play");
    return 0;
}
