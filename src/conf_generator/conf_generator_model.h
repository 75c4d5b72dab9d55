#pragma once

#include "conf_fields.h"

#include <QObject>
#include <QString>

class NodeSettings;
class SettingsStore;
struct CoinPreset;

// The conf generator's fields and what may be done with them: the generator
// window shows and edits them, the coin presets and the RPC test credentials
// windows fill them, SAVE stores them. The two tick box rules: unticking the wallet box
// unticks the wallet's Disabled box, unticking old wallet support unticks the
// daemon box, and each stays greyed while its rule's box is unticked. A stored
// state is loaded as it is. Every change says `changed`.
class ConfGeneratorModel : public QObject {
    Q_OBJECT

public:
    ConfGeneratorModel(SettingsStore& store, NodeSettings& node);

    const ConfFields& fields() const { return m_fields; }
    // Whether the box can be ticked or unticked now: a box with a rule only
    // while its rule's box is ticked.
    bool isEnabled(ConfTick box) const;

    void setText(ConfText field, const QString& text);
    // A greyed box keeps its state.
    void setTick(ConfTick box, bool ticked);

    // The list the Vertcoin preset copies into the node list (not stored).
    const QString& vtcNodeList() const { return m_vtcNodeList; }
    void setVtcNodeList(const QString& list) { m_vtcNodeList = list; }

    // Reads the stored fields, the coin's name from the node settings.
    void load();
    // Stores these fields (SAVE's, as they were at its click) in the rows'
    // order after the coin's name, which the node settings store and announce.
    void store(const ConfFields& fields);

    // Empties every field and unticks every box.
    void clearAll();
    void useNo2xComment();
    void applyBasicSettings();
    void applyCoinPreset(const CoinPreset& coin);
    void useCredentials(const QString& user, const QString& password, const QString& auth);

signals:
    void changed();

private:
    // Takes new fields with the tick box rules applied.
    void replace(ConfFields fields);

    SettingsStore& m_store;
    NodeSettings& m_node;
    ConfFields m_fields;
    QString m_vtcNodeList;
};
