#include "shell/picturebox.h"

#include <QPainter>

#include <algorithm>

namespace {

// Qt converts a picture whose pixel format is not the screen's on helper
// threads of its own once the part drawn holds somewhere between 130 and
// 150 KB (Qt 6.4: 100 rows of the start photograph did, 87 did not). Those
// threads then stay for half a minute, and the allocation arena each of
// them made stays for good. Parts of at most this many bytes are converted
// on the window's thread.
constexpr int kBandBytes = 96 * 1024;

} // namespace

PictureBox::PictureBox(QRect rect, QWidget *parent)
    : QFrame(parent)
    , m_inner(new QWidget(this))
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::TabFocus);
    // Boxes never move or resize, so the inside is placed once.
    setGeometry(rect);
    m_inner->setGeometry(contentsRect());
}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::setBackColor(const QColor &colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
    setAutoFillBackground(true);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    // In bands, each converted on this thread; the pixels come out the same.
    const int bandRows = std::max(1, kBandBytes / std::max(1, int(m_picture.bytesPerLine())));
    for (int top = 0; top < m_picture.height(); top += bandRows)
        painter.drawImage(inside.topLeft() + QPoint(0, top), m_picture, QRect(0, top, m_picture.width(), bandRows));
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::Highlight), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(inside.adjusted(1, 1, -2, -2));
    }
}
