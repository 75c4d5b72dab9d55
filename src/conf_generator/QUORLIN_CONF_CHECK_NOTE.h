#pragma once

#include "core/app_context.h"
#include "core/form_window.h"

#include <memory>

namespace Ui {
class QUORLIN_CONF_CHECK_NOTE;
}

// What the check before SAVE found that does not stop SAVE: keys the node
// ignores, public credentials on the main chain. Not modal, and shown without
// taking the focus, so the conf generator's keys work on as before; it belongs
// to the conf generator, which replaces it at its next SAVE.
class QUORLIN_CONF_CHECK_NOTE : public FormWindow {
    Q_OBJECT

public:
    QUORLIN_CONF_CHECK_NOTE(AppContext& context, const QString& note, QWidget* owner);
    ~QUORLIN_CONF_CHECK_NOTE() override;

private slots:
    void Form_Load();
    void CLOSE_BUTTON_Click();

private:
    std::unique_ptr<Ui::QUORLIN_CONF_CHECK_NOTE> ui;
};
