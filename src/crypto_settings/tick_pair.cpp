#include "tick_pair.h"

#include <QCheckBox>

TickPair::TickPair(QCheckBox& main, QCheckBox& disabled, QString& switchField, const TickPairTexts& texts)
    : m_main(main)
    , m_disabled(disabled)
    , m_switch(switchField)
    , m_texts(texts)
{
}

void TickPair::mainChanged()
{
    if (m_main.isChecked()) {
        m_switch = m_texts.ticked;
        m_disabled.setEnabled(true);
        return;
    }
    // Unticking the Disabled box runs its own reaction, so the switch is
    // emptied after it.
    m_disabled.setChecked(false);
    m_disabled.setEnabled(false);
    m_switch.clear();
}

void TickPair::disabledChanged()
{
    const bool disabled = m_disabled.isChecked();
    m_switch = disabled ? m_texts.disabled : m_texts.ticked;
    m_main.setEnabled(!disabled);
}

void TickPair::applyLoaded()
{
    mainChanged();
    if (m_main.isChecked())
        disabledChanged();
    else
        m_main.setEnabled(true);
}
