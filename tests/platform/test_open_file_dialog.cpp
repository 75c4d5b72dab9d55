#include "platform/open_file_dialog.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The file names the dialog's list shows in its folder (which has no subfolders).
QStringList listedFiles(QFileDialog& dialog)
{
    QAbstractProxyModel* list = dialog.proxyModel();
    const auto* files = qobject_cast<QFileSystemModel*>(list->sourceModel());
    const QModelIndex folder = list->mapFromSource(files->index(dialog.directory().absolutePath()));
    QStringList names;
    for (int row = 0; row < list->rowCount(folder); ++row)
        names.append(list->index(row, 0, folder).data().toString());
    names.sort();
    return names;
}

} // namespace

class TestOpenFileDialog : public QObject {
    Q_OBJECT

private slots:
    // "Applications (*.exe)" lists the files the user may run, "All files (*.*)"
    // every file, dotted or not; a typed name gets no ".exe".
    void programsListedWhereTheyHaveNoExtension()
    {
        QTemporaryDir folder;
        for (const char* name : { "litecoind", "README", "a.txt" })
            QVERIFY(QFile(folder.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly));
        QVERIFY(QFile::setPermissions(folder.filePath(u"litecoind"_s),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        const QString programs = u"Applications (*.exe)"_s;
        const QString all = u"All files (*.*)"_s;
        QFileDialog dialog;
        prepareOpenFileDialog(dialog,
            { u"Select DAEMOND.exe File"_s, { { programs, "*.exe" }, { all, "*.*" } }, "exe", folder.path() },
            false);
        QCOMPARE(dialog.nameFilters(), QStringList({ programs, all }));
        QCOMPARE(dialog.selectedNameFilter(), programs);
        QCOMPARE(dialog.defaultSuffix(), QString());
        const QStringList programFiles { "litecoind" };
        for (const auto& [filter, listed] : { std::pair(programs, programFiles),
                 { all, QStringList { "README", "a.txt", "litecoind" } }, { programs, programFiles } }) {
            dialog.selectNameFilter(filter);
            emit dialog.filterSelected(filter);
            QTRY_COMPARE(listedFiles(dialog), listed);
        }
    }
};

QTEST_MAIN(TestOpenFileDialog)
#include "test_open_file_dialog.moc"
