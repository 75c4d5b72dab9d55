#include "platform/open_file_dialog.h"
#include "platform/window_stacking_qt.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestQtPlatform : public QObject {
    Q_OBJECT

private slots:
    // "Applications (*.exe)" lists the files the user may run, "All files (*.*)" every file, dotted or not; a
    // typed name gets no ".exe".
    void programsListedWhereTheyHaveNoExtension()
    {
        QTemporaryDir folder;
        for (const char* name : { "litecoind", "README", "a.txt" })
            QVERIFY(QFile(folder.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly));
        QVERIFY(QFile::setPermissions(folder.filePath(u"litecoind"_s), QFile::ReadOwner | QFile::ExeOwner));
        const QString programs = u"Applications (*.exe)"_s, all = u"All files (*.*)"_s;
        QFileDialog dialog;
        prepareOpenFileDialog(dialog,
            { u"Select DAEMOND.exe File"_s, { { programs, "*.exe" }, { all, "*.*" } }, "exe", folder.path() },
            false);
        QCOMPARE(std::tuple(dialog.nameFilters(), dialog.selectedNameFilter(), dialog.defaultSuffix()),
            std::tuple(QStringList { programs, all }, programs, QString()));
        // The names the dialog lists in the folder.
        const auto listed = [&] {
            QAbstractProxyModel* list = dialog.proxyModel();
            const QModelIndex shown = list->mapFromSource(
                qobject_cast<QFileSystemModel*>(list->sourceModel())->index(folder.path()));
            QStringList names;
            for (int row = 0; row < list->rowCount(shown); ++row)
                names.append(list->index(row, 0, shown).data().toString());
            return names.sort(), names;
        };
        for (const auto& [filter, files] : { std::pair(programs, QStringList { "litecoind" }),
                 { all, { "README", "a.txt", "litecoind" } }, { programs, { "litecoind" } } }) {
            dialog.selectNameFilter(filter);
            emit dialog.filterSelected(filter);
            QTRY_COMPARE(listed(), files);
        }
    }

    // Whichever window is in front, one of its own included, the main window stays on top from then on, where
    // it was, in the same native window.
    void mainWindowGoesOnTopWhicheverWindowIsInFront()
    {
        enum InFront { Main, Owned, Other };
        for (InFront inFront : { Main, Owned, Other }) {
            QDialog main;
            main.move(120, 90);
            main.show();
            const WId id = main.winId();
            QDialog owned(&main);
            QDialog other;
            QDialog* active = inFront == Main ? &main : inFront == Owned ? &owned : &other;
            active->show();
            active->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(active));
            QtWindowStacking().stackingStep(main);
            // The native window gets the hint too, so the window manager keeps it above between steps.
            QCOMPARE(std::tuple(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint),
                         main.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), main.isVisible(),
                         main.pos(), main.winId()),
                std::tuple(true, true, true, QPoint(120, 90), id));
        }
    }
};

QTEST_MAIN(TestQtPlatform)
#include "test_qt_platform.moc"
