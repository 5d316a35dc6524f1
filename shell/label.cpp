#include "shell/label.h"

#include <QMouseEvent>
#include "shell/designfonts.h"

Label::Label(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

Label *Label::create(QWidget *parent, const char *name, QRect rect, const QString &text,
                     const QFont &font, const QColor &fore, std::optional<QColor> back,
                     Qt::Alignment align)
{
    auto *label = new Label(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    label->setFont(font);
    label->setForeColor(fore);
    label->setAlignment(align | Qt::AlignTop);
    label->setText(text);
    if (back)
        label->setBackColor(*back);
    else
        label->setOpaque(false);
    return label;
}

void Label::setCaption(const QString &caption)
{
    setText(caption);
    Q_EMIT changed();
}

void Label::setForeColor(const QColor &colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
}

void Label::setBackColor(const QColor &colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
}

QColor Label::foreColor() const { return palette().color(QPalette::WindowText); }
QColor Label::backColor() const { return palette().color(QPalette::Window); }

void Label::setFontSize(qreal points)
{
    QFont f = font();
    f.setPixelSize(pixelsForPoints(points));
    setFont(f);
}

void Label::setFontBold(bool bold)
{
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

void Label::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release of the left button over the label.
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        Q_EMIT clicked();
}
