#include "platform/settings_location.h"

#include <QTest>

// On Windows every section of the store is one registry key of the current
// user, the one the Visual Basic runtime's settings functions use, so that
// settings written by earlier releases are found again.
class TestRegistryKey : public QObject {
    Q_OBJECT

private slots:
    void keyOfSection_data()
    {
        QTest::addColumn<QString>("application");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");

        QTest::newRow("the shipped executable")
            << "KD_QUORLIN"
            << "KD-QUORLIN"
            << "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\KD_QUORLIN\\KD-QUORLIN";
        QTest::newRow("a copy for another coin")
            << "KD_QUORLIN"
            << "KD-QUORLIN-LITECOIN"
            << "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\KD_QUORLIN\\KD-QUORLIN-LITECOIN";
        QTest::newRow("non-ASCII file name")
            << "KD_QUORLIN" << QStringLiteral("n\u0153ud-\u00e9t\u00e9")
            << QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program "
                              "Settings\\KD_QUORLIN\\n\u0153ud-\u00e9t\u00e9");
    }

    void keyOfSection()
    {
        QFETCH(QString, application);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QCOMPARE(registrySectionKey(application, section), key);
    }
};

QTEST_APPLESS_MAIN(TestRegistryKey)
#include "test_registry_key.moc"
