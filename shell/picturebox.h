#pragma once

#include <QFrame>
#include <QPixmap>
#include <functional>

// A box with a single sunken border. Its controls live in inner(), whose
// origin is the inside of the border, and its picture is drawn unscaled from
// that corner and clipped to it.
class PictureBox : public QFrame
{
    Q_OBJECT
public:
    PictureBox(QRect rect, QWidget *parent);
    QWidget *inner() const { return m_inner; }
    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }
    void setBackColor(const QColor &colour);
    // What a screen reader reads as the box's description, made when it
    // asks, so that it tells what the box's controls show now.
    void setSummary(std::function<QString()> summary) { m_summary = std::move(summary); }
    QString summary() const { return m_summary ? m_summary() : QString(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *m_inner;
    QPixmap m_picture;
    std::function<QString()> m_summary;
};
