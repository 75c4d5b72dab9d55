#pragma once

#include "dialogs.h"

// The real dialogs: Qt's message boxes and file dialogs.
class QtDialogs final : public Dialogs {
public:
    void showError(QWidget* owner, const QString& title, const QString& text) override;
};
