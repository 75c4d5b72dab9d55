#include "platform/open_file_dialog.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QList<FileFilter> kProgramFilters {
    { QStringLiteral("Applications (*.exe)"), QStringLiteral("*.exe") },
    { QStringLiteral("All files (*.*)"), QStringLiteral("*.*") },
};

// The file names the dialog's list shows in its folder.
QStringList listedFiles(QFileDialog& dialog)
{
    QAbstractItemModel* list = dialog.proxyModel();
    const auto* files = qobject_cast<QFileSystemModel*>(dialog.proxyModel()->sourceModel());
    const QModelIndex folder
        = dialog.proxyModel()->mapFromSource(files->index(dialog.directory().absolutePath()));
    QStringList names;
    for (int row = 0; row < list->rowCount(folder); ++row) {
        const QModelIndex index = dialog.proxyModel()->mapToSource(list->index(row, 0, folder));
        if (!files->isDir(index))
            names.append(files->fileName(index));
    }
    names.sort();
    return names;
}

} // namespace

class TestOpenFileDialog : public QObject {
    Q_OBJECT

private slots:
    void programsListedOnLinux();
};

// Where programs have no extension, "Applications (*.exe)" lists the files
// the user may run and "All files (*.*)" lists every file, dotted or not.
void TestOpenFileDialog::programsListedOnLinux()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const auto makeFile = [&](const QString& name, bool executable) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (executable)
            file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    };
    makeFile(QStringLiteral("litecoind"), true);
    makeFile(QStringLiteral("litecoin-cli"), true);
    makeFile(QStringLiteral("README"), false);
    makeFile(QStringLiteral("notes.txt"), false);

    QFileDialog dialog;
    prepareOpenFileDialog(dialog,
        { QStringLiteral("Select DAEMOND.exe File"), kProgramFilters, QStringLiteral("exe"), folder.path() },
        false);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Select DAEMOND.exe File"));
    QCOMPARE(dialog.nameFilters(), QStringList({ "Applications (*.exe)", "All files (*.*)" }));
    QCOMPARE(dialog.selectedNameFilter(), QStringLiteral("Applications (*.exe)"));
    QCOMPARE(dialog.defaultSuffix(), QString());
    QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);

    QTRY_COMPARE(listedFiles(dialog), QStringList({ "litecoin-cli", "litecoind" }));

    dialog.selectNameFilter(QStringLiteral("All files (*.*)"));
    emit dialog.filterSelected(QStringLiteral("All files (*.*)"));
    QTRY_COMPARE(listedFiles(dialog), QStringList({ "README", "litecoin-cli", "litecoind", "notes.txt" }));

    dialog.selectNameFilter(QStringLiteral("Applications (*.exe)"));
    emit dialog.filterSelected(QStringLiteral("Applications (*.exe)"));
    QTRY_COMPARE(listedFiles(dialog), QStringList({ "litecoin-cli", "litecoind" }));
}

QTEST_MAIN(TestOpenFileDialog)
#include "test_open_file_dialog.moc"
