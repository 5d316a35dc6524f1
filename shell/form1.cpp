#include "shell/form1.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>

#include "shell/colours.h"
#include "shell/designfonts.h"
#include "shell/frmabout.h"
#include "study/tables.h"

namespace {

QPushButton *makeButton(QWidget *parent, const char *name, QRect rect, const QString &text,
                        const QFont &font)
{
    auto *button = new QPushButton(text, parent);
    // A button that takes the focus does not make itself the default one:
    // the window decides what Enter presses.
    button->setAutoDefault(false);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(rect);
    button->setFont(font);
    return button;
}

TextField *makeHiddenField(QWidget *parent, const char *name, QRect rect)
{
    auto *field = new TextField(parent);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(rect);
    field->hide();
    return field;
}

} // namespace

Form1::Form1(const Platform &platform, QWidget *parent)
    : QWidget(parent, kFormFlags)
    , m_platform(platform)
{
    setUpForm(this, "Form1", QStringLiteral("Korubel Oyunu"), {521, 471}, colour::lightGreen);
    QIcon icon;
    // The sizes a title bar and a task bar ask for.
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icon/korubel-%1.png").arg(size));
    setWindowIcon(icon);

    buildMenuAndViews();
    buildGamePanel();
    chainTabOrder();
    describeForScreenReaders();
    connectHandlers();
    Form_Load();
}

Form1::~Form1()
{
    delete frmAbout;
}

void Form1::buildMenuAndViews()
{
    const QFont comic14 = designFont(Face::Comic, 14.25, true);
    const QFont comic975 = designFont(Face::Comic, 9.75);

    // Labels lie beneath every other kind of control, so they come first.
    Label1 = Label::create(this, "Label1", {8, 8, 505, 49}, QStringLiteral("KORUBEL OYUNU"),
                           designFont(Face::Comic, 26.25, true), colour::red, colour::lightGreen, Qt::AlignHCenter);
    Label6 = Label::create(this, "Label6", {24, 192, 169, 273}, QString(), comic975, colour::blue,
                           colour::lightGreen, Qt::AlignRight);
    Label7 = Label::create(this, "Label7", {312, 192, 185, 273}, QString(), comic975, colour::red,
                           colour::lightGreen, Qt::AlignLeft);

    p1 = new PictureBox({8, 152, 505, 313}, this);
    p1->setObjectName(QStringLiteral("p1"));
    p1->setPicture(QPixmap(QStringLiteral(":/start.jpg")));

    fr = new PictureBox({8, 104, 505, 361}, this);
    fr->setObjectName(QStringLiteral("fr"));
    fr->setBackColor(colour::lightGreen);
    fr->hide();

    g = makeButton(this, "g", {144, 152, 105, 25}, QStringLiteral("Geri"), comic14);
    g->hide();
    i = makeButton(this, "i", {256, 152, 105, 25}, QStringLiteral("İleri"), comic14);
    i->hide();
    no = makeHiddenField(this, "no", {32, 216, 41, 25});

    // The menu row: two buttons on each place, the upper one created last.
    // The lower ones stay hidden until a menu handler offers them, so they
    // cannot be reached by Tab or a click while covered.
    const QFont menuFont = font();
    tbl = makeButton(this, "tbl", {8, 72, 161, 25}, QStringLiteral("Ezberlemeye Başla"), menuFont);
    tm = makeButton(this, "tm", {8, 72, 161, 25}, QStringLiteral("Tüm Tabloyu Göster"), menuFont);
    kpt = makeButton(this, "kpt", {176, 72, 169, 25}, QStringLiteral("Oyunu Bitir"), menuFont);
    oyn = makeButton(this, "oyn", {176, 72, 169, 25}, QStringLiteral("Oyuna Başla"), menuFont);
    hknd = makeButton(this, "hknd", {352, 72, 161, 25}, QStringLiteral("Program Hakkında"), menuFont);
    cks = makeButton(this, "cks", {352, 72, 161, 25}, QStringLiteral("Çıkış"), menuFont);
    tbl->hide();
    kpt->hide();
    hknd->hide();
}

void Form1::buildGamePanel()
{
    QWidget *panel = fr->inner();
    const QFont comic20 = designFont(Face::Comic, 20.25, true);
    const QFont comic14 = designFont(Face::Comic, 14.25, true);
    const QFont sans24 = designFont(Face::SansSerif, 24, true);
    const QFont terminal = designFont(Face::Terminal, 18, true);
    const auto centre = Qt::AlignHCenter;

    d = Label::create(panel, "d", {32, 8, 241, 41}, QString(), comic20, colour::red, colour::lightGreen, centre);
    pn = Label::create(panel, "pn", {272, 8, 137, 41}, QString(), comic20, colour::blue, colour::lightGreen, centre);
    Label8 = Label::create(panel, "Label8", {456, 8, 41, 25}, QStringLiteral("?"),
                           designFont(Face::Tahoma, 15.75, true), colour::red, colour::lightGreen, centre);
    Label8->setCursor(Qt::PointingHandCursor);
    a = Label::create(panel, "a", {32, 48, 161, 41}, QString(), sans24, colour::red, colour::lightYellow, centre);
    Label3 = Label::create(panel, "Label3", {192, 48, 33, 41}, QString(), sans24, colour::blue, colour::lightYellow, centre);
    // The narrow face lets the widest answer, "100", fit the 49 pixels.
    b = Label::create(panel, "b", {224, 48, 49, 41}, QString(), designFont(Face::SansNarrow, 24, true),
                      colour::red, colour::lightYellow, centre);
    t = Label::create(panel, "t", {424, 48, 49, 41}, QString(), sans24, colour::red, colour::lightYellow, Qt::AlignLeft);
    // The counters' captions are fixed; no handler needs them.
    Label *const correctHeading = Label::create(panel, "Label2", {352, 152, 121, 33}, QStringLiteral("Doğru"), comic14,
                                                colour::darkGreen, colour::lightYellow, centre);
    dgr = Label::create(panel, "dgr", {352, 192, 121, 33}, QStringLiteral("0"), terminal, colour::red, colour::lightGreen, centre);
    Label *const wrongHeading = Label::create(panel, "Label4", {352, 216, 121, 33}, QStringLiteral("Yanlış"), comic14,
                                              colour::darkRed, colour::lightYellow, centre);
    // ynl is taller than the other counters; Label5 is drawn over its lower part.
    ynl = Label::create(panel, "ynl", {352, 256, 121, 41}, QStringLiteral("0"), terminal, colour::red, colour::lightGreen, centre);
    Label *const scoreHeading = Label::create(panel, "Label5", {352, 280, 121, 33}, QStringLiteral("Puanınız"), comic14,
                                              colour::blue, colour::lightYellow, centre);
    puan = Label::create(panel, "puan", {352, 320, 121, 33}, QStringLiteral("0"), terminal, colour::red, colour::lightGreen, centre);
    // A screen reader reads the panel's description when the panel takes
    // the focus: the counters and the score, each after its heading.
    fr->setSummary([=] {
        const auto headed = [](const Label *heading, const Label *figure) {
            return heading->caption() + QLatin1Char(' ') + figure->caption();
        };
        return sentences({headed(correctHeading, dgr), headed(wrongHeading, ynl), headed(scoreHeading, puan)});
    });

    c = makeHiddenField(panel, "c", {408, 8, 41, 19});
    l = makeHiddenField(panel, "l", {408, 24, 33, 19});

    Text1 = new TextField(panel);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(32, 96, 441, 49);
    Text1->setFont(designFont(Face::Comic, 30, true));
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setMaxLength(3);
    Text1->acceptDigitsOnly();
    QPalette entry = Text1->palette();
    entry.setColor(QPalette::Base, colour::lightGreen);
    entry.setColor(QPalette::Active, QPalette::Text, colour::red);
    entry.setColor(QPalette::Inactive, QPalette::Text, colour::red);
    Text1->setPalette(entry);

    s = makeButton(panel, "s", {280, 48, 137, 41}, QStringLiteral("Başlat"), comic14);
    notice = new Notice(panel);

    // The keypad in telephone order, with a wide "0" below.
    for (int digit = 0; digit <= 9; ++digit) {
        const QRect rect = digit == 0 ? QRect(32, 296, 313, 57)
                                      : QRect(32 + 104 * ((digit - 1) % 3), 152 + 48 * ((digit - 1) / 3), 105, 49);
        const QByteArray name = "a" + QByteArray::number(digit);
        digitKeys[size_t(digit)] = makeButton(panel, name.constData(), rect, QString::number(digit), comic20);
    }

    const auto makeTimer = [this](const char *name, bool enabled, int intervalMs) {
        auto *timer = new Timer(m_platform.clock, enabled, intervalMs, this);
        timer->setObjectName(QLatin1String(name));
        return timer;
    };
    // Only the first stage starts disabled; a stage runs once its interval is set.
    stageTimers = {makeTimer("Timer8", false, 0), makeTimer("Timer7", true, 0), makeTimer("Timer1", true, 0),
                   makeTimer("Timer2", true, 0), makeTimer("Timer3", true, 0), makeTimer("Timer4", true, 0)};
    Timer5 = makeTimer("Timer5", false, 500);
    Timer6 = makeTimer("Timer6", false, 500);
}

void Form1::describeForScreenReaders()
{
    // A screen reader reads what is seen (the accessible name stays the
    // shown text); the description says what the control is for.
    const struct { QWidget *control; const char *role; } roles[] = {
        {a, "Soru"}, {Label3, "Eşittir"}, {b, "Cevap"}, {t, "Kalan süre"}, {d, "Sonuç"},
        {pn, "Bu sorunun puanı"}, {dgr, "Doğru cevap sayısı"}, {ynl, "Yanlış cevap sayısı"},
        {puan, "Toplam puan"}, {Text1, "Cevabınızı yazın"},
        {Label8, "Nasıl oynanır penceresini açar"}, {Label6, "Fıkra"}, {Label7, "Bilgiler ve sözler"},
        {g, "Önceki sayfa"}, {i, "Sonraki sayfa"}, {p1, "Başlangıç resmi: ormanda bir dere"},
        {Label1, "Oyunun adı"},
    };
    for (const auto &row : roles)
        row.control->setAccessibleDescription(QString::fromUtf8(row.role));
    for (QPushButton *key : digitKeys)
        key->setAccessibleDescription(QStringLiteral("Rakam tuşu"));
    // The panel shows no text of its own; its description is its summary.
    fr->setAccessibleName(QStringLiteral("Oyun alanı"));
    tellScreenReaders(Told::NoTurn);
}

void Form1::chainTabOrder()
{
    // Both list arrays go by table; the whole-table lists are named
    // otherwise: l1 9, l2 10, l3 1, l4 2, l5 4, l6 3, l7..l10 5..8. A list
    // not made yet is left out; it takes its place when it is made.
    const auto &memorise = memoriseLists;
    const auto &whole = wholeTableLists;
    const auto &keys = digitKeys;
    QWidget *const order[] = {memorise[0], memorise[1], memorise[3], memorise[2], memorise[4], memorise[5],
                              memorise[6], memorise[7], memorise[8], memorise[9], no,
                              whole[8], whole[0], whole[1], whole[3], whole[2], whole[4], whole[5], whole[6],
                              whole[7], Text1, l, c, whole[9], p1,
                              tbl, tm, kpt, oyn, hknd, cks, fr,
                              keys[0], keys[1], keys[2], keys[3], keys[4], keys[5], keys[6], keys[7], keys[8],
                              keys[9], s, g, i};
    QWidget *previous = nullptr;
    for (QWidget *control : order) {
        if (!control)
            continue;
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
}

// The lists are made the first time their screen shows them, so start-up
// pays nothing for the twenty; each then stays, with its pick, as long as
// the window.
QListView *Form1::wholeTableList(int table)
{
    QListView *&list = wholeTableLists[size_t(table - 1)];
    if (!list) {
        // Two rows of five, tables 1..5 above and 6..10 below.
        const QRect rect(24 + 96 * ((table - 1) % 5), table <= 5 ? 152 : 312, 89, 147);
        makeList(list, study::wholeTableListName(table), table, rect, designFont(Face::SansSerif, 8.25, true),
                 colour::blue, nullptr, QStringLiteral("Çarpım tablosu"));
    }
    return list;
}

QListView *Form1::memoriseList(int table)
{
    static const char *const names[] = {"br", "iki", "uc", "dort", "bes", "alt", "yedi", "skz", "dkz", "nn"};
    QListView *&list = memoriseLists[size_t(table - 1)];
    // All ten on one rectangle, one shown at a time.
    if (!list)
        makeList(list, names[table - 1], table, {200, 192, 105, 264}, designFont(Face::Comic, 14.25), colour::white,
                 &colour::black, QStringLiteral("Bu sayfanın çarpım tablosu"));
    return list;
}

// Makes a list into its place in one of the two arrays, then chains it.
void Form1::makeList(QListView *&list, const char *name, int table, QRect rect, const QFont &font,
                     const QColor &fore, const QColor *back, const QString &role)
{
    QStringListModel *&items = listItems[size_t(table - 1)];
    if (!items)
        items = new QStringListModel(study::tableItems(table), this);
    list = new QListView(this);
    list->setObjectName(QLatin1String(name));
    list->setModel(items);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    list->setGeometry(rect);
    list->setFont(font);
    QPalette pal = list->palette();
    pal.setColor(QPalette::Text, fore);
    if (back)
        pal.setColor(QPalette::Base, *back);
    list->setPalette(pal);
    list->setAccessibleDescription(role);
    tellCurrentItemOnFocus(list);
    list->hide();
    // Among the window's children, the order a screen reader walks, the
    // lists lie before the page buttons, as when they were made with it.
    list->stackUnder(g);
    chainTabOrder();
}

void Form1::connectHandlers()
{
    using Handler = void (Form1::*)();
    const struct { QPushButton *button; Handler onClick; } clicks[] = {
        {cks, &Form1::cks_Click}, {oyn, &Form1::oyn_Click}, {kpt, &Form1::kpt_Click}, {hknd, &Form1::hknd_Click},
        {tm, &Form1::tm_Click}, {tbl, &Form1::tbl_Click}, {g, &Form1::g_Click}, {i, &Form1::i_Click},
        {s, &Form1::s_Click},
    };
    for (const auto &row : clicks)
        connect(row.button, &QPushButton::clicked, this, row.onClick);
    // The keypad, a0..a9.
    const Handler digitClicks[] = {&Form1::a0_Click, &Form1::a1_Click, &Form1::a2_Click, &Form1::a3_Click,
                                   &Form1::a4_Click, &Form1::a5_Click, &Form1::a6_Click, &Form1::a7_Click,
                                   &Form1::a8_Click, &Form1::a9_Click};
    for (size_t digit = 0; digit < digitKeys.size(); ++digit)
        connect(digitKeys[digit], &QPushButton::clicked, this, digitClicks[digit]);
    connect(Label8, &Label::clicked, this, &Form1::Label8_Click);

    const struct { Label *label; Handler onChange; } captions[] = {
        {t, &Form1::t_Change}, {d, &Form1::d_Change}, {dgr, &Form1::dgr_Change}, {ynl, &Form1::ynl_Change},
    };
    for (const auto &row : captions)
        connect(row.label, &Label::changed, this, row.onChange);
    const struct { TextField *field; Handler onChange; } texts[] = {
        {no, &Form1::no_Change}, {Text1, &Form1::Text1_Change}, {c, &Form1::c_Change},
    };
    for (const auto &row : texts)
        connect(row.field, &TextField::textChanged, this, row.onChange);
    connect(Text1, &TextField::keyPress, this, &Form1::Text1_KeyPress);

    const struct { Timer *timer; Handler onTick; } ticks[] = {
        {stageTimers[0], &Form1::Timer8_Timer}, {stageTimers[1], &Form1::Timer7_Timer},
        {stageTimers[2], &Form1::Timer1_Timer}, {stageTimers[3], &Form1::Timer2_Timer},
        {stageTimers[4], &Form1::Timer3_Timer}, {stageTimers[5], &Form1::Timer4_Timer},
        {Timer5, &Form1::Timer5_Timer}, {Timer6, &Form1::Timer6_Timer},
    };
    for (const auto &row : ticks)
        connect(row.timer, &Timer::timer, this, row.onTick);
}

void Form1::Form_Load()
{
    s->setDefault(true);
}

void Form1::cks_Click()
{
    close();
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    // Enter presses the button that has the focus, as on any desktop;
    // elsewhere (the answer field above all) it presses the default button,
    // but only while that is on screen.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto *focused = qobject_cast<QPushButton *>(focusWidget());
        QPushButton *target = focused ? focused : s;
        if (!m_unloaded && target->isVisibleTo(this) && target->isEnabled())
            target->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1::closeEvent(QCloseEvent *event)
{
    unload();
    event->accept();
}

void Form1::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    // Nothing of the game may run once the window is gone.
    stopCountdownAndFlash();
    delete frmAbout;
    hide();
    Q_EMIT unloaded();
}
