#include "platform/open_file_dialog.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

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

void selectFilter(QFileDialog& dialog, const QString& filter)
{
    dialog.selectNameFilter(filter);
    emit dialog.filterSelected(filter);
}

} // namespace

class TestOpenFileDialog : public QObject {
    Q_OBJECT

private slots:
    void programsListedWhereTheyHaveNoExtension();
};

// "Applications (*.exe)" lists the files the user may run, "All files (*.*)"
// every file, dotted or not; a typed name gets no ".exe".
void TestOpenFileDialog::programsListedWhereTheyHaveNoExtension()
{
    QTemporaryDir folder;
    for (const auto& [name, executable] :
        { std::pair { "litecoind", true }, { "README", false }, { "a.txt", false } }) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (executable)
            file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }

    const QString programs = QStringLiteral("Applications (*.exe)");
    const QString all = QStringLiteral("All files (*.*)");
    QFileDialog dialog;
    prepareOpenFileDialog(dialog,
        { QStringLiteral("Select DAEMOND.exe File"), { { programs, "*.exe" }, { all, "*.*" } }, "exe",
            folder.path() },
        false);
    QCOMPARE(dialog.nameFilters(), QStringList({ programs, all }));
    QCOMPARE(dialog.selectedNameFilter(), programs);
    QCOMPARE(dialog.defaultSuffix(), QString());
    QTRY_COMPARE(listedFiles(dialog), QStringList({ "litecoind" }));

    selectFilter(dialog, all);
    QTRY_COMPARE(listedFiles(dialog), QStringList({ "README", "a.txt", "litecoind" }));
    selectFilter(dialog, programs);
    QTRY_COMPARE(listedFiles(dialog), QStringList({ "litecoind" }));
}

QTEST_MAIN(TestOpenFileDialog)
#include "test_open_file_dialog.moc"
