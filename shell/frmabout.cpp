#include "shell/frmabout.h"

#include "shell/colours.h"
#include "shell/designfonts.h"

const QString FrmAbout::rulesText = QStringLiteral(
    "Başlat butonuna bastığınızda 5 saniyelik süre başlamış olur. Bu süre içinde size "
    "Korubel'den rasgele bir çarpım sorulur. Cevabı dilerseniz klavyenizden, dilerseniz oyun "
    "üzerindeki butonlara farenizle basarak yanıtlayabilirsiniz. Cevabı doğru yazarsanız "
    "herhangi bir tuşa basmanıza gerek yoktur siz basar basmaz cevabınız onaylanacaktır. "
    "Cevabı süre geri işlerken beşinci saniyede yazarsanız 50 puan dördüncü saniyede 40 puan, "
    "üçüncü  saniyede 30 puan, ikinci saniyede 20 puan, birinci saniyede 10 puan alırsınız. "
    "Eğer cevabı 5 saniye bitene kadar yazamazsanız 10 puanınız silinir. ");

FrmAbout::FrmAbout()
    : QWidget(nullptr, kFormFlags)
{
    setUpForm(this, "frmAbout", QStringLiteral("Nasıl Oynanır"), {607, 417}, colour::pink);
    setFocusPolicy(Qt::NoFocus);
    // Labels have no back colour of their own: the pink window shows around the text.

    lblTitle = Label::create(this, "lblTitle", {70, 16, 467, 48}, QStringLiteral("Korubel Oyunu"),
                             designFont(Face::Comic, 20.25, true), colour::blue, std::nullopt, Qt::AlignHCenter);
    lblVersion = Label::create(this, "lblVersion", {168, 72, 259, 23}, QStringLiteral("Version   1.00"),
                               designFont(Face::SansSerif, 12, true), colour::red, std::nullopt, Qt::AlignHCenter);
    lblDescription = Label::create(this, "lblDescription", {64, 104, 499, 222}, rulesText,
                                   designFont(Face::Comic, 12), colour::darkGreen, std::nullopt, Qt::AlignHCenter);
    // An etched separator: a grey hairline over a white line.
    Line1_0 = new Line({96, 328}, {536, 328}, 2, colour::white, this);
    Line1_0->setObjectName(QStringLiteral("Line1(0)"));
    Line1_1 = new Line({96, 328}, {536, 328}, 1, colour::grey, this);
    Line1_1->setObjectName(QStringLiteral("Line1(1)"));
    lblDisclaimer = Label::create(this, "lblDisclaimer", {104, 336, 258, 63},
                                  QStringLiteral("Korubel Oyunu ekibi\nÖzgür yazılım, 2026"),
                                  designFont(Face::SansSerif, 12, true), colour::red, std::nullopt, Qt::AlignRight);
    Label1 = Label::create(this, "Label1", {464, 360, 89, 33}, QStringLiteral("Kapat"),
                           designFont(Face::SansSerif, 18, true), colour::black, std::nullopt, Qt::AlignLeft);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setAccessibleDescription(QStringLiteral("Pencereyi kapatır"));
    lblDescription->setAccessibleDescription(QStringLiteral("Oyunun kuralları"));

    connect(Label1, &Label::clicked, this, &FrmAbout::Label1_Click);
}

void FrmAbout::setVisible(bool visible)
{
    // Some window managers (mutter) leave a window they unmap at the
    // corner of its frame, and report that as its place: shown again there,
    // it would creep up by a title bar at every reopening. Whatever moves a
    // hidden window is the window manager, never the user, so the place the
    // window had when it was hidden is put back before it shows.
    if (!visible && isVisible())
        m_placeWhenHidden = geometry().topLeft();
    else if (visible && !isVisible() && m_placeWhenHidden)
        setGeometry(QRect(*m_placeWhenHidden, size()));
    QWidget::setVisible(visible);
}

void FrmAbout::Label1_Click()
{
    // Hidden, not destroyed: the next opening shows it where it was.
    hide();
}
