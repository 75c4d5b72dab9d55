// The ".conf" file under Unix permissions, links, file owners and a full disk.
#include "fakes/conf_generator_rig.h"
#include "fakes/isolated_child.h"

#include <QtTest>

#include <sys/mount.h>
#include <unistd.h>

class TestConfFilePosix : public QObject {
    Q_OBJECT

private slots:
    // The file holds the RPC password: only its owner may read it, even where others could read the old file.
    void savedFileIsItsOwnersOnly()
    {
        ConfGeneratorRig rig;
        QVERIFY(writeFile(rig.confPath(), "old"));
        QVERIFY(
            QFile::setPermissions(rig.confPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
        rig.at("SAVE_BUTTON")->click();
        QCOMPARE(QFileInfo(rig.confPath()).permissions() & QFileDevice::Permissions(0x7077),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void failedWriteKeepsTheOldFileAndTheWindow_data()
    {
        QTest::addColumn<int>("isolation"); // -1: none, else an Isolation
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only folder") << int(Isolation::NormalUser) << "Permission denied";
        QTest::newRow("link to a private file") << -1 << "symbolic link";
        QTest::newRow("dangling link") << -1 << "symbolic link";
        QTest::newRow("another user's file") << -1 << "another user";
        QTest::newRow("full disk") << int(Isolation::OwnMounts) << "No space left";
    }

    // Nothing is written, no file is left behind, the message names the path and why, the window stays open.
    void failedWriteKeepsTheOldFileAndTheWindow()
    {
        QFETCH(int, isolation);
        QFETCH(QString, reason);
        if (isolation >= 0)
            QUORLIN_RUN_ISOLATED(Isolation(isolation));
        const QString tag = QString::fromLatin1(QTest::currentDataTag());

        ConfGeneratorRig rig;
        const QString folder = rig.folder.path();
        const QString path = rig.confPath();
        if (tag == "full disk")
            QVERIFY2(::mount("quorlin", QFile::encodeName(folder), "tmpfs", 0, "size=16k") == 0,
                qPrintable(qt_error_string()));
        const auto unmount = qScopeGuard([&] { ::umount2(QFile::encodeName(folder), MNT_DETACH); });
        // The file the save must leave as it is, and its bytes.
        const QString kept = tag.contains("link") ? folder + "/private" : path;
        QVERIFY(writeFile(kept, "kept"));
        if (tag.contains("link"))
            QVERIFY(QFile::link(tag == "dangling link" ? folder + "/elsewhere" : kept, path));
        // As root, the link is planted by another user, as in a shared folder.
        if (tag.contains("link") && ::geteuid() == 0)
            QVERIFY(::lchown(QFile::encodeName(path), 65534, 65534) == 0);
        if (tag == "another user's file" && ::chown(QFile::encodeName(path), 65534, 65534) != 0)
            QSKIP("Only root can give a file to another user here.");
        if (tag == "read-only folder")
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        // The owner may do all again at the end, so that the folder can be removed.
        const auto writable
            = qScopeGuard([&] { QFile::setPermissions(folder, QFileDevice::Permissions(0x7700)); });
        if (tag == "full disk") {
            QFile filler(folder + "/filler");
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (filler.write(QByteArray(512, 'f')) == 512) { }
        }
        rig.saveFails(kept, reason);
    }
};

QTEST_MAIN(TestConfFilePosix)
#include "test_conf_file_posix.moc"
