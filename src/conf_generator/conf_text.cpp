#include "conf_text.h"

namespace {

const QString kLineEnd = QStringLiteral("\r\n");
const QString kMessage = QStringLiteral(" - CONF FILE CREATED USING KALDERA - MIRANEL - CONF-GENERATOR -");

QString renderLines(const ConfFields& fields, ConfLine section)
{
    QString text;
    for (const ConfFieldRow& row : kConfFieldRows) {
        if (row.line != section)
            continue;
        const ConfTick* const tick = std::get_if<ConfTick>(&row.member);
        const QString value = row.fixedValue ? QString::fromLatin1(row.fixedValue)
            : tick                           ? QString(fields.**tick ? u'1' : u'0')
                                             : fields.*std::get<ConfText>(row.member);
        const bool active = row.rule ? fields.*row.rule : tick ? fields.**tick : !value.isEmpty();
        text += (active ? QString() : QStringLiteral("#")) + QLatin1StringView(row.label) + value + kLineEnd;
    }
    return text;
}

} // namespace

QString renderConfText(const ConfFields& fields)
{
    return QStringLiteral("# - ") + fields.cryptoName + kMessage + kLineEnd
        + renderLines(fields, ConfLine::Setting) + kLineEnd + renderLines(fields, ConfLine::Credential)
        + kLineEnd + fields.userDefinedSettings + kLineEnd + kLineEnd + fields.fullNodeList;
}
