// The ".conf" text is assembled from fields the user types. Any field text is
// copied exactly: the text is the parts in order with CR LF between them, and
// nothing the fields hold (line ends, '#', '=', NUL) changes another line.
#include "conf_generator/conf_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

namespace {

QString field(FuzzedDataProvider& input)
{
    const std::string bytes = input.ConsumeRandomLengthString(256);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    ConfTextParts parts;
    parts.header = confHeaderLine(field(input), field(input));
    QString expected = parts.header + QStringLiteral("\r\n");
    auto fill = [&](auto& lines) {
        for (ConfLine& line : lines) {
            line.value = field(input);
            line.label = valueLineLabel(field(input) + QLatin1Char('='), line.value);
            expected += line.label + line.value + QStringLiteral("\r\n");
        }
        expected += QStringLiteral("\r\n");
    };
    fill(parts.settings);
    fill(parts.credentials);
    parts.userDefinedBlock = field(input);
    parts.nodeListBlock = field(input);
    expected += parts.userDefinedBlock + QStringLiteral("\r\n\r\n") + parts.nodeListBlock;

    if (assembleConfText(parts) != expected)
        std::abort();
    return 0;
}
