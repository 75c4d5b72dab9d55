// The operating system's generator as the program reads it, on Linux and (under wine) on Windows.
#include "platform/system_platform.h"

#include <QtTest>

class TestSecureRandom : public QObject {
    Q_OBJECT

private slots:
    void twoReadsDiffer()
    {
        const std::unique_ptr<SecureRandom> random = createSystemSecureRandom();
        const RandomBytes first = random->read(32);
        const RandomBytes second = random->read(32);
        QCOMPARE(first.error + second.error, QString());
        QCOMPARE(first.bytes.size(), 32);
        QCOMPARE(second.bytes.size(), 32);
        QVERIFY(first.bytes != second.bytes);
    }
};

QTEST_APPLESS_MAIN(TestSecureRandom)
#include "test_secure_random.moc"
