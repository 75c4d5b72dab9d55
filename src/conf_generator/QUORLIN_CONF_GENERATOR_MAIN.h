#pragma once

#include "conf_generator_model.h"
#include "core/app_context.h"
#include "core/form_window.h"

#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class QUORLIN_CONF_GENERATOR_MAIN;
}
class QUORLIN_CONF_CHECK_NOTE;
class QCheckBox;
struct SaveCheck;

// The window in which the user composes the node's ".conf" file. Its controls
// show the fields of its model and hand each edit to it: the preview shows the
// text the fields render, SAVE stores them and writes the text beside the
// executable. The coin presets and RPC test credentials windows change the
// model, and the controls follow.
class QUORLIN_CONF_GENERATOR_MAIN : public FormWindow {
    Q_OBJECT

public:
    QUORLIN_CONF_GENERATOR_MAIN(AppContext& context, QWidget* owner);
    ~QUORLIN_CONF_GENERATOR_MAIN() override;

    ConfGeneratorModel& model() { return m_model; }

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

private:
    template <class Box, class Edited> void bindText(Box* box, ConfText field, Edited edited);
    void bindTick(QCheckBox* box, ConfTick tick);
    void showFields();
    void finishSave(const ConfFields& saved, const QString& text, const SaveCheck& check);

    AppContext& m_context;
    ConfGeneratorModel m_model;
    std::unique_ptr<Ui::QUORLIN_CONF_GENERATOR_MAIN> ui;
    QTimer CONF_OUTPUT_TIMER { this };
    std::vector<std::function<void()>> m_showFields; // each shows one field of the model in its control
    QPointer<QUORLIN_CONF_CHECK_NOTE> m_note; // the note of the last SAVE, until the next
    std::unique_ptr<QObject> m_saveCheck; // while SAVE waits for its check: the check's runs end with it
    bool m_previewStale = true; // a field changed since the preview's last render
};
