#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

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
