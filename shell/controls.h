#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStringListModel>
#include <QImage>
#include <QPushButton>
#include <memory>

#include "shell/designfonts.h"
#include "shell/platform.h"

// Thin controls over Qt widgets. They keep the rules the game's reaction
// chains rely on:
//  - a label's change reaction runs on every caption assignment, also when
//    the caption already holds that text;
//  - a text field's change reaction runs only when its text really changes
//    (QLineEdit's textChanged), and program-set text is cut to maxLength;
//  - a timer ticks every interval while enabled with a non-zero interval.

// A form of the game: a window with a title bar and a close box only.
inline constexpr Qt::WindowFlags kFormFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                              | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Gives a form its name and title, a fixed size, the design's default font
// (MS Sans Serif 8.25 pt) and a solid back colour.
void setUpForm(QWidget *form, const char *name, const QString &title, QSize size, const QColor &backColor);

class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent);
    // A named label at its place, its caption starting at the top and
    // wrapping downwards, as both windows lay theirs out.
    static Label *create(QWidget *parent, const char *name, QRect rect, const QString &text,
                         const QFont &font, const QColor &fore, Qt::Alignment align);

    void setCaption(const QString &caption);
    QString caption() const { return text(); }

    void setForeColor(const QColor &colour);
    void setBackColor(const QColor &colour);
    QColor foreColor() const;
    QColor backColor() const;
    // An opaque label paints its back colour; a transparent one shows its container.
    void setOpaque(bool opaque) { setAutoFillBackground(opaque); }

    void setFontSize(qreal points);
    void setFontBold(bool bold);

Q_SIGNALS:
    void changed();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

class TextField : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextField(QWidget *parent);
    // Typed and pasted text may only ever be digits.
    void acceptDigitsOnly();

Q_SIGNALS:
    // A typed character (or Backspace, code 8) before it is inserted;
    // a receiver sets the code to 0 to cancel it.
    void keyPress(int &keyAscii);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

class Button : public QPushButton
{
    Q_OBJECT
public:
    Button(const QString &caption, QWidget *parent);
};

// The items of a list box, read-only; several list boxes may show the same
// items. Each item has the flags of a plain list box's item, so a screen
// reader reads them as before.
class ListItems : public QStringListModel
{
    Q_OBJECT
public:
    ListItems(const QStringList &items, QObject *parent);
    Qt::ItemFlags flags(const QModelIndex &index) const override;
};

// A list box showing items it does not own: the user may select one, not
// edit it.
class ListBox : public QListView
{
    Q_OBJECT
public:
    ListBox(ListItems *items, QWidget *parent);
};

// A box with a single sunken border. Its controls live in inner(), whose
// origin is the inside of the border, and its picture is drawn unscaled from
// that corner and clipped to it.
class PictureBox : public QFrame
{
    Q_OBJECT
public:
    PictureBox(QRect rect, QWidget *parent);
    QWidget *inner() const { return m_inner; }
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    void setBackColor(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *m_inner;
    QImage m_picture;
};

class Timer : public QObject
{
    Q_OBJECT
public:
    Timer(Clock &clock, bool enabled, int intervalMs, QObject *parent);

    // Enabling an enabled timer leaves its period running; disabling
    // discards a tick already due.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }
    // A non-zero interval on an enabled timer restarts its period;
    // interval 0 stops it and discards a due tick.
    void setInterval(int intervalMs);
    int interval() const { return m_interval; }
    bool isArmed() const { return m_enabled && m_interval > 0; }

Q_SIGNALS:
    void timer();

private:
    void apply();

    std::unique_ptr<TimerBackend> m_backend;
    bool m_enabled;
    int m_interval;
};

// A straight line drawn on its container's surface.
class Line : public QWidget
{
    Q_OBJECT
public:
    Line(QPoint from, QPoint to, int width, const QColor &colour, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_from, m_to;
    int m_width;
    QColor m_colour;
};
