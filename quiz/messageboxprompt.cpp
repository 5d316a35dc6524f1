#include "quiz/messageboxprompt.h"

#include <QAbstractButton>
#include <QMessageBox>

std::unique_ptr<QMessageBox> MessageBoxPrompt::makeBox(QWidget *parent, const QString &title, const QString &text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, title, text,
                                             QMessageBox::Yes | QMessageBox::No, parent);
    box->setObjectName(QStringLiteral("gameOverBox"));
    box->button(QMessageBox::Yes)->setText(QStringLiteral("Evet"));
    box->button(QMessageBox::No)->setText(QStringLiteral("Hayır"));
    box->setDefaultButton(QMessageBox::Yes);
    return box;
}

void MessageBoxPrompt::show(QWidget *parent, const QString &title, const QString &text)
{
    makeBox(parent, title, text)->exec();
}
