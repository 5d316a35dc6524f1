#pragma once

#include <QWidget>

// What screen readers need of the game beyond Qt's own accessibility.
// Call before the QApplication is made:
// - the windows and picture boxes are reported with the roles a screen
//   reader expects of them (Qt's defaults for plain widgets and frames are
//   "filler" and "frame", a top-level window's role, in which Orca loses
//   the focus);
// - the game joins the desktop's accessibility bus at every start, as GTK
//   programs do, so a screen reader started after the game still finds it;
// - GTK, which Qt's GTK platform theme loads on GNOME, does not register
//   the game a second time.
void prepareAccessibility();

class QAbstractItemView;

// Tells screen readers, each time the list takes the focus, the item it is
// on (the picked one, or the first), as GTK's lists do. Qt reports the
// list's own focus last, and Orca then reads the list without its item.
void tellCurrentItemOnFocus(QAbstractItemView *list);

// The parts that are not empty, as sentences a screen reader reads out:
// "Doğru Cevap. 40 Puan".
QString sentences(const QStringList &parts);

// News for screen readers that comes while the focus stays where it is (a
// screen reader speaks what the focus reaches, and leaves a label's change
// unsaid). It shows nothing on screen, and its name is the last text told.
// With Qt 6.8 and later tell() sends the text as an announcement; before,
// it shows the notice anew, which Orca speaks as a notification.
class Notice : public QWidget
{
    Q_OBJECT
public:
    explicit Notice(QWidget *parent);
    void tell(const QString &text);
};
