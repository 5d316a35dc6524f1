#include "shell/controls.h"

#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>

void setUpForm(QWidget *form, const char *name, const QString &title, QSize size, const QColor &backColor)
{
    registerBundledFonts();
    form->setObjectName(QLatin1String(name));
    form->setWindowTitle(title);
    form->setFixedSize(size);
    form->setFont(designFont(Face::SansSerif, 8.25));
    QPalette pal = form->palette();
    pal.setColor(QPalette::Window, backColor);
    form->setPalette(pal);
    form->setAutoFillBackground(true);
}

Label::Label(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

Label *Label::create(QWidget *parent, const char *name, QRect rect, const QString &text,
                     const QFont &font, const QColor &fore, Qt::Alignment align)
{
    auto *label = new Label(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    label->setFont(font);
    label->setForeColor(fore);
    label->setAlignment(align | Qt::AlignTop);
    label->setText(text);
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

TextField::TextField(QWidget *parent)
    : QLineEdit(parent)
{
    setFrame(true);
}

void TextField::acceptDigitsOnly()
{
    // The key filter sees typed characters only; this keeps pasted and
    // dropped text to digits as well. Program-set text is not validated.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
}

void TextField::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    // Only characters reach the filter: printable ones and Backspace.
    // Control combinations (copy, paste, select all) and keys without a
    // character (Delete, arrows) edit the text as usual.
    const bool isCharacter = typed.size() == 1
                             && (typed.at(0).isPrint() || event->key() == Qt::Key_Backspace)
                             && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (isCharacter) {
        int code = event->key() == Qt::Key_Backspace ? 8 : int(typed.at(0).unicode());
        Q_EMIT keyPress(code);
        if (code == 0) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

Button::Button(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setAutoDefault(false);
}

namespace {

// Items one line of the font apart, as a plain list box spaces them, so a
// whole table shows without scrolling. Measured when the list is first laid
// out, so a hidden list loads no font at start-up.
class LineDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), option.fontMetrics.height()};
    }
};

} // namespace

ListItems::ListItems(const QStringList &items, QObject *parent)
    : QStringListModel(items, parent)
{
}

Qt::ItemFlags ListItems::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled;
}

ListBox::ListBox(ListItems *items, QWidget *parent)
    : QListView(parent)
{
    setItemDelegate(new LineDelegate(this));
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(items);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

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
    if (!m_picture.isNull())
        painter.drawImage(inside.topLeft(), m_picture);
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::Highlight), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(inside.adjusted(1, 1, -2, -2));
    }
}

Timer::Timer(Clock &clock, bool enabled, int intervalMs, QObject *parent)
    : QObject(parent)
    , m_backend(clock.createTimer())
    , m_enabled(enabled)
    , m_interval(intervalMs)
{
    m_backend->setTickHandler([this] { Q_EMIT timer(); });
    apply();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    apply();
}

void Timer::setInterval(int intervalMs)
{
    m_interval = intervalMs;
    apply();
}

void Timer::apply()
{
    if (isArmed())
        m_backend->start(m_interval);
    else
        m_backend->stop();
}

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
