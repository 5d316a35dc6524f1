#pragma once

#include <QLabel>
#include <optional>

// A caption: plain text, wrapping, no focus. Its change reaction runs on
// every caption assignment, also when the caption already holds that text.
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent);
    // A named label at its place, its caption starting at the top and
    // wrapping downwards, as both windows lay theirs out; painted on its
    // back colour, or on its container where it has none.
    static Label *create(QWidget *parent, const char *name, QRect rect, const QString &text,
                         const QFont &font, const QColor &fore, std::optional<QColor> back,
                         Qt::Alignment align);

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
