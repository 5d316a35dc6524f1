#pragma once

#include <memory>

#include "shell/platform.h"

class QMessageBox;

// The game-over question as a modal message box: no icon, "Evet" and
// "Hayır", "Evet" the default.
class MessageBoxPrompt : public GameOverPrompt
{
public:
    void show(QWidget *parent, const QString &title, const QString &text) override;
    static std::unique_ptr<QMessageBox> makeBox(QWidget *parent, const QString &title, const QString &text);
};
