#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

#include "shell/accessibility.h"
#include "shell/controls.h"
#include "shell/frmabout.h"
#include "shell/platform.h"

// The main window. It owns every control, privately; the controls are the
// game's state, and tests and tools find them by object name, as a screen
// reader or a test robot does. Its handlers are defined beside the
// subsystem they belong to: the screens and the how-to-play window in
// shell/, the quiz in quiz/, the two study views in study/.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(const Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

    // The how-to-play window while it exists, else null.
    FrmAbout *about() const { return frmAbout; }
    // True once the window has been closed for good (game over, "Çıkış",
    // or its close box); from then on nothing of the game runs.
    bool isUnloaded() const { return m_unloaded; }

Q_SIGNALS:
    // Emitted once, when the window closes for good: the program ends.
    void unloaded();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenuAndViews();
    void buildGamePanel();
    void chainTabOrder();
    QListView *wholeTableList(int table);
    QListView *memoriseList(int table);
    void makeList(QListView *&list, const char *name, int table, QRect rect, const QFont &font,
                  const QColor &fore, const QColor *back, const QString &role);
    void describeForScreenReaders();
    void connectHandlers();
    void unload();
    void openAbout();

    // Start and exit (shell/form1.cpp).
    void Form_Load();
    void cks_Click();
    // Screens and the how-to-play window (shell/screens.cpp).
    void oyn_Click();
    void kpt_Click();
    void hknd_Click();
    void Label8_Click();

    // Quiz (quiz/turn.cpp, countdown.cpp, feedback.cpp).
    void c_Change();
    void s_Click();
    void a0_Click();
    void a1_Click();
    void a2_Click();
    void a3_Click();
    void a4_Click();
    void a5_Click();
    void a6_Click();
    void a7_Click();
    void a8_Click();
    void a9_Click();
    void appendDigit(char digit);
    void setKeypadEnabled(bool enabled);
    void Text1_KeyPress(int &KeyAscii);
    void Text1_Change();
    void Timer8_Timer();
    void Timer7_Timer();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void showStage(size_t stage);
    void stopCountdownAndFlash();
    void t_Change();
    void d_Change();
    void Timer5_Timer();
    void Timer6_Timer();
    void dgr_Change();
    void ynl_Change();
    int drawQuestionIndex();
    enum class Told { Question, Correct, Timeout, NoTurn };
    void tellScreenReaders(Told what);

    // Study (study/wholetable.cpp, memorise.cpp).
    void tm_Click();
    void tbl_Click();
    void g_Click();
    void i_Click();
    void no_Change();
    void closeMemorisePages();

    Platform m_platform;
    QPointer<FrmAbout> frmAbout;
    bool m_unloaded = false;

    // The controls the handlers use, each stored once, named as the
    // handlers call them; the window owns the rest only as its children.
    // Menu row.
    QPushButton *tm, *tbl, *oyn, *kpt, *cks, *hknd;
    Label *Label1;
    PictureBox *p1, *fr;

    // The lists are made the first time their screen shows them, and are
    // null until then; the two lists of a table share its items.
    // Memorise view: the list of table n is memoriseLists[n - 1]
    // (br, iki, uc, dort, bes, alt, yedi, skz, dkz, nn).
    QPushButton *g, *i;
    TextField *no;
    Label *Label6, *Label7;
    std::array<QListView *, 10> memoriseLists{};

    // Whole-table view: the list of table n is wholeTableLists[n - 1]
    // (named l3, l4, l6, l5, l7, l8, l9, l10, l1, l2).
    std::array<QListView *, 10> wholeTableLists{};
    std::array<QStringListModel *, 10> listItems{};

    // Game panel.
    Label *d, *pn, *Label8, *a, *Label3, *b, *t;
    TextField *c, *l, *Text1;
    Notice *notice; // for screen readers only, see tellScreenReaders()
    QPushButton *s;
    std::array<QPushButton *, 10> digitKeys; // a0..a9
    Label *dgr, *ynl, *puan; // Label2, Label4 and Label5 are captions only
    // The countdown's stages in the order they run: Timer8, Timer7,
    // Timer1..Timer4. Timer5 and Timer6 run the flash.
    std::array<Timer *, 6> stageTimers;
    Timer *Timer5, *Timer6;
};
