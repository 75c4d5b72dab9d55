#pragma once

#include "conf_text.h"
#include "core/app_context.h"
#include "core/form_window.h"

#include <QPointer>
#include <QString>
#include <QTimer>

#include <memory>

namespace Ui {
class QUORLIN_CONF_GENERATOR_MAIN;
}
class QUORLIN_CONF_CHECK_NOTE;

// The window in which the user composes the node's ".conf" file. Its controls
// and the node list are the file's fields: the preview shows the text they
// render, SAVE stores them and writes the text beside the executable. The
// coin presets and RPC test credentials windows change them through fields()
// and setFields().
class QUORLIN_CONF_GENERATOR_MAIN : public FormWindow {
    Q_OBJECT

public:
    QUORLIN_CONF_GENERATOR_MAIN(AppContext& context, QWidget* owner);
    ~QUORLIN_CONF_GENERATOR_MAIN() override;

    // The fields as the controls show them now.
    ConfFields fields() const;
    // Shows new fields; tick boxes change through their controls, so the
    // tick box rules run.
    void setFields(const ConfFields& fields);

    // Hidden fields: the node list block of the file (stored, filled by the
    // coin presets) and the list the Vertcoin preset copies into it.
    QString FULL_NODE_LIST_TEXTBOX;
    QString VTC_NODE_LIST_TEXTBOX;

    QTimer CONF_OUTPUT_TIMER;

private slots:
    void Form_Load();
    void Form_Unload() override;
    void CONF_OUTPUT_TIMER_Timer();
    void SAVE_BUTTON_Click();
    void CANCEL_BUTTON_Click();
    void CLEAR_ALL_BUTTON_Click();
    void NO_2X_BUTTON_Click();
    void IDS_BUTTON_Click();
    void KD_RPC_TEST_CREDENTIALS_BUTTON_Click();
    void WALLET_TICKBOX_Click();
    void OLD_WALLET_SUPPORT_TICKBOX_Click();

private:
    AppContext& m_context;
    std::unique_ptr<Ui::QUORLIN_CONF_GENERATOR_MAIN> ui;
    QPointer<QUORLIN_CONF_CHECK_NOTE> m_note; // the note of the last SAVE, until the next
    bool m_previewStale = true; // a field changed since the preview's last render
    QString m_renderedNodeList; // the node list of that render
};
