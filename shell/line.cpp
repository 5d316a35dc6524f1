#include "shell/line.h"

#include <QPainter>

Line::Line(QPoint from, QPoint to, int width, const QColor &colour, QWidget *parent)
    : QWidget(parent)
    , m_from(from)
    , m_to(to)
    , m_width(width)
    , m_colour(colour)
{
    const QRect box = QRect(from, to).normalized().adjusted(0, 0, width, width);
    setGeometry(box);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(m_colour, m_width, Qt::SolidLine, Qt::FlatCap));
    const QPoint origin = geometry().topLeft();
    const QPointF shift(0, m_width / 2.0);
    painter.drawLine(QPointF(m_from - origin) + shift, QPointF(m_to - origin) + shift);
}
