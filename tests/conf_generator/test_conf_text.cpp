#include "conf_generator/conf_text.h"
#include "conf_generator_rig.h"

#include <QtTest>

class TestConfText : public QObject {
    Q_OBJECT

private slots:
    void valueLineLabel_data();
    void valueLineLabel();
    void firstRunTextByteForByte();
    void blocks_data();
    void blocks();
};

void TestConfText::valueLineLabel_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("label");
    QTest::newRow("empty") << QString() << QStringLiteral("#rpcport=");
    QTest::newRow("one blank") << QStringLiteral(" ") << QStringLiteral("rpcport=");
    QTest::newRow("zero") << QStringLiteral("0") << QStringLiteral("rpcport=");
    QTest::newRow("port") << QStringLiteral("8332") << QStringLiteral("rpcport=");
    QTest::newRow("line break only") << QStringLiteral("\r\n") << QStringLiteral("rpcport=");
}

void TestConfText::valueLineLabel()
{
    QFETCH(QString, value);
    QFETCH(QString, label);
    QCOMPARE(::valueLineLabel(QStringLiteral("rpcport="), value), label);
}

namespace {

// Parts as a first run gives them: value lines commented, tick box lines
// commented and showing "0", the localhost address on its two lines.
ConfTextParts firstRunParts()
{
    ConfTextParts parts;
    parts.header = confHeaderLine(
        QString(), QStringLiteral(" - CONF FILE CREATED USING KALDERA - MIRANEL - CONF-GENERATOR -"));
    const char* settings[] = { "#wallet=", "#disablewallet=", "#server=", "#alerts=", "#listen=", "#upnp=",
        "#dns=", "#daemon=", "#allowip=", "#rpcallowip=", "#timeout=", "#rpctimeout=", "#maxconnections=",
        "#port=", "#rpcport=", "#uacomment=" };
    for (int i = 0; i < 16; ++i) {
        parts.settings[i].label = QString::fromLatin1(settings[i]);
        if (i >= 1 && i <= 7)
            parts.settings[i].value = QStringLiteral("0");
        if (i == 8 || i == 9)
            parts.settings[i].value = QStringLiteral("127.0.0.1");
    }
    parts.credentials = { { { QStringLiteral("#rpcuser="), {} }, { QStringLiteral("#rpcpassword="), {} },
        { QStringLiteral("#rpcauth="), {} } } };
    return parts;
}

} // namespace

void TestConfText::firstRunTextByteForByte()
{
    const QString text = assembleConfText(firstRunParts());
    QCOMPARE(text, firstRunText());
    QVERIFY(text.endsWith(QStringLiteral("#rpcauth=\r\n\r\n\r\n\r\n")));
    QCOMPARE(text.split(QStringLiteral("\r\n")).size(), 25);
    QCOMPARE(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n")));
}

void TestConfText::blocks_data()
{
    QTest::addColumn<QString>("userDefined");
    QTest::addColumn<QString>("nodeList");
    QTest::addColumn<QString>("tail"); // everything after "#rpcauth=\r\n\r\n"

    QTest::newRow("empty blocks") << QString() << QString() << QStringLiteral("\r\n\r\n");
    QTest::newRow("two-line user block") << QStringLiteral("regtest=1\r\ntxindex=1") << QString()
                                         << QStringLiteral("regtest=1\r\ntxindex=1\r\n\r\n");
    QTest::newRow("node list ends the text") << QString() << QStringLiteral("addnode=a\r\naddnode=b")
                                             << QStringLiteral("\r\n\r\naddnode=a\r\naddnode=b");
    QTest::newRow("blocks as typed") << QStringLiteral("  x = 1 \r\n") << QStringLiteral("\r\n")
                                     << QStringLiteral("  x = 1 \r\n\r\n\r\n\r\n");
}

void TestConfText::blocks()
{
    QFETCH(QString, userDefined);
    QFETCH(QString, nodeList);
    QFETCH(QString, tail);

    ConfTextParts parts = firstRunParts();
    parts.userDefinedBlock = userDefined;
    parts.nodeListBlock = nodeList;
    const QString text = assembleConfText(parts);
    const QString before = QStringLiteral("#rpcauth=\r\n\r\n");
    QCOMPARE(text.mid(text.indexOf(before) + before.size()), tail);
}

QTEST_APPLESS_MAIN(TestConfText)
#include "test_conf_text.moc"
