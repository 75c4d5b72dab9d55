#include "conf_text.h"

namespace {
const QString kLineEnd = QStringLiteral("\r\n");
}

QString valueLineLabel(const QString& activeLabel, const QString& value)
{
    return value.isEmpty() ? QLatin1Char('#') + activeLabel : activeLabel;
}

QString confHeaderLine(const QString& cryptoName, const QString& message)
{
    return QStringLiteral("# - ") + cryptoName + message;
}

QString assembleConfText(const ConfTextParts& parts)
{
    QString text = parts.header + kLineEnd;
    for (const ConfLine& line : parts.settings)
        text += line.label + line.value + kLineEnd;
    text += kLineEnd;
    for (const ConfLine& line : parts.credentials)
        text += line.label + line.value + kLineEnd;
    text += kLineEnd;
    text += parts.userDefinedBlock + kLineEnd;
    text += kLineEnd;
    text += parts.nodeListBlock;
    return text;
}
