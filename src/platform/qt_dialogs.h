#pragma once

#include "dialogs.h"

// The real dialogs: Qt's message boxes and file dialogs (the platform's own
// dialogs where it has them).
class QtDialogs final : public Dialogs {
public:
    void showError(QWidget* owner, const QString& title, const QString& text) override;
    bool askToProceed(QWidget* owner, const QString& title, const QString& text, const QString& proceedText,
        const QString& backText) override;
    std::optional<QString> browseForFolder(QWidget* owner, const QString& title) override;
    std::optional<QString> openFile(QWidget* owner, const OpenFileRequest& request) override;
};
