#pragma once

#include <QString>

class QCheckBox;

// The two switch texts of a pair: with the main box ticked and the Disabled
// box unticked, and with both ticked. An unticked main box gives the empty
// switch.
struct TickPairTexts {
    QString ticked;
    QString disabled;
};

inline const TickPairTexts kWalletSwitchTexts { QStringLiteral("-disablewallet=0"),
    QStringLiteral("-disablewallet=1") };
inline const TickPairTexts kDaemonSwitchTexts { QStringLiteral("-daemon=1"), QStringLiteral("-daemon=0") };

// A main tick box and its "Disabled" box, which together set one switch
// field and grey each other: an unticked main box keeps the Disabled box
// unticked and greyed, a ticked Disabled box keeps the main box greyed.
class TickPair {
public:
    TickPair(QCheckBox& main, QCheckBox& disabled, QString& switchField, const TickPairTexts& texts);

    // Reactions to a change of either box, by a click or by code.
    void mainChanged();
    void disabledChanged();

    // Derives the switch and the greying from states just loaded. A Disabled
    // box stored ticked beside an unticked main box is unticked, leaving the
    // empty switch.
    void applyLoaded();

private:
    QCheckBox& m_main;
    QCheckBox& m_disabled;
    QString& m_switch;
    TickPairTexts m_texts;
};
