#include "shell/textfield.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

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
