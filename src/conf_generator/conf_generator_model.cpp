#include "conf_generator_model.h"

#include "coin_presets.h"
#include "core/overloaded.h"
#include "settings/node_settings.h"

#include <algorithm>

namespace {

// The row of a tick box, which every tick box has.
const ConfFieldRow& rowOf(ConfTick box)
{
    return *std::find_if(kConfFieldRows.begin(), kConfFieldRows.end(), [box](const ConfFieldRow& row) {
        const ConfTick* const tick = std::get_if<ConfTick>(&row.member);
        return tick && *tick == box;
    });
}

} // namespace

ConfGeneratorModel::ConfGeneratorModel(SettingsStore& store, NodeSettings& node)
    : m_store(store)
    , m_node(node)
{
}

bool ConfGeneratorModel::isEnabled(ConfTick box) const
{
    const ConfTick rule = rowOf(box).rule;
    return !rule || m_fields.*rule;
}

void ConfGeneratorModel::setText(ConfText field, const QString& text)
{
    if (m_fields.*field == text)
        return;
    m_fields.*field = text;
    emit changed();
}

void ConfGeneratorModel::setTick(ConfTick box, bool ticked)
{
    if (m_fields.*box == ticked || !isEnabled(box))
        return;
    ConfFields fields = m_fields;
    fields.*box = ticked;
    replace(fields);
}

void ConfGeneratorModel::load()
{
    ConfFields fields;
    fields.cryptoName = m_node.text(NodeText::CryptoName);
    for (const ConfFieldRow& row : kConfFieldRows) {
        std::visit(Overloaded {
                       [&](ConfText text) { fields.*text = m_store.read(TextKey { row.key }); },
                       // A tick box shows ticked only for a stored 1.
                       [&](ConfTick tick) {
                           fields.*tick = m_store.read(TickKey { row.key, 0 }) == 1;
                       },
                   },
            row.member);
    }
    replace(fields);
}

void ConfGeneratorModel::store(const ConfFields& fields)
{
    m_node.setText(NodeText::CryptoName, fields.cryptoName);
    for (const ConfFieldRow& row : kConfFieldRows) {
        std::visit(Overloaded {
                       [&](ConfText text) { m_store.write(TextKey { row.key }, fields.*text); },
                       [&](ConfTick tick) {
                           m_store.write(TickKey { row.key, 0 }, fields.*tick ? 1 : 0);
                       },
                   },
            row.member);
    }
}

void ConfGeneratorModel::clearAll()
{
    replace(ConfFields {});
}

void ConfGeneratorModel::useNo2xComment()
{
    setText(&ConfFields::uaComment, QStringLiteral("NO2X"));
}

void ConfGeneratorModel::applyBasicSettings()
{
    ConfFields fields = m_fields;
    ::applyBasicSettings(fields);
    replace(fields);
}

void ConfGeneratorModel::applyCoinPreset(const CoinPreset& coin)
{
    ConfFields fields = m_fields;
    ::applyCoinPreset(fields, coin, m_vtcNodeList);
    replace(fields);
}

void ConfGeneratorModel::useCredentials(const QString& user, const QString& password, const QString& auth)
{
    ConfFields fields = m_fields;
    fields.rpcUser = user;
    fields.rpcPassword = password;
    fields.rpcAuth = auth;
    replace(fields);
}

void ConfGeneratorModel::replace(ConfFields fields)
{
    // A rule runs when its box goes from ticked to unticked; a stored box
    // ticked under an unticked rule's box keeps its state, greyed.
    for (const ConfFieldRow& row : kConfFieldRows) {
        if (row.rule && m_fields.*row.rule && !(fields.*row.rule))
            fields.*std::get<ConfTick>(row.member) = false;
    }
    m_fields = std::move(fields);
    emit changed();
}
