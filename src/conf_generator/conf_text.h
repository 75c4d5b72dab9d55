#pragma once

#include <QString>

#include <array>

// One setting line of a ".conf" file: its label ("server=" when active,
// "#server=" when commented out) and the value printed directly after it.
struct ConfLine {
    QString label;
    QString value;
};

// Everything a ".conf" text is assembled from.
struct ConfTextParts {
    QString header; // "# - <coin> - CONF FILE CREATED ..."
    std::array<ConfLine, 16> settings; // wallet ... uacomment
    std::array<ConfLine, 3> credentials; // rpcuser, rpcpassword, rpcauth
    QString userDefinedBlock;
    QString nodeListBlock;
};

// The label of a line whose value is typed into a field: commented out while
// the field is exactly empty, active otherwise (blanks or "0" count as values).
QString valueLineLabel(const QString& activeLabel, const QString& value);

// The header line: "# - ", the coin's name, the program's message.
QString confHeaderLine(const QString& cryptoName, const QString& message);

// The file's text: the header, the settings, a blank line, the credentials, a
// blank line, the user-defined block, a blank line and the node list block.
// Every line ends with CR LF except the node list block, which ends the text.
// Values and blocks are inserted exactly as they are.
QString assembleConfText(const ConfTextParts& parts);
