#include "open_file_dialog.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QRegularExpression>
#include <QSortFilterProxyModel>

#include <algorithm>

namespace {

const QString kEveryFile = QStringLiteral("*.*");
const QString kPrograms = QStringLiteral("*.exe");
const QString kProgramExtension = QStringLiteral("exe");

// Decides which files the dialog lists for the chosen filter entry; folders
// always stay visible so the user can move between them.
class FileListFilter final : public QSortFilterProxyModel {
public:
    explicit FileListFilter(QObject* parent)
        : QSortFilterProxyModel(parent)
    {
    }

    void use(const PlatformFileFilter& filter)
    {
        m_programsOnly = filter.programsOnly;
        m_pattern = QRegularExpression(QRegularExpression::wildcardToRegularExpression(filter.pattern));
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files)
            return true;
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        if (info.isDir())
            return true;
        return m_programsOnly ? info.isExecutable() : m_pattern.match(info.fileName()).hasMatch();
    }

private:
    bool m_programsOnly = false;
    QRegularExpression m_pattern;
};

} // namespace

QList<PlatformFileFilter> platformFileFilters(const QList<FileFilter>& filters, bool programsHaveExtension)
{
    QList<PlatformFileFilter> result;
    for (const FileFilter& filter : filters) {
        const bool translate
            = !programsHaveExtension && (filter.pattern == kPrograms || filter.pattern == kEveryFile);
        if (translate)
            result.append({ filter.caption, QStringLiteral("*"), filter.pattern == kPrograms });
        else
            result.append({ filter.caption, filter.pattern, false });
    }
    return result;
}

QString platformDefaultExtension(const QString& extension, bool programsHaveExtension)
{
    return !programsHaveExtension && extension.compare(kProgramExtension, Qt::CaseInsensitive) == 0
        ? QString()
        : extension;
}

void prepareOpenFileDialog(QFileDialog& dialog, const OpenFileRequest& request, bool programsHaveExtension)
{
    dialog.setWindowTitle(request.title);
    dialog.setDirectory(request.initialFolder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(platformDefaultExtension(request.defaultExtension, programsHaveExtension));

    const QList<PlatformFileFilter> filters = platformFileFilters(request.filters, programsHaveExtension);
    QStringList captions;
    bool captionsSuffice = true;
    for (qsizetype i = 0; i < filters.size(); ++i) {
        captions.append(filters[i].caption);
        captionsSuffice = captionsSuffice && filters[i].pattern == request.filters[i].pattern;
    }
    dialog.setNameFilters(captions);
    if (captionsSuffice)
        return;

    // The captions name patterns that do not fit this platform, so the dialog
    // lists every name and the file list filter decides what is shown. The
    // dialog narrows its list to a caption's pattern whenever an entry is
    // chosen; widen it again after that.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* listFilter = new FileListFilter(&dialog);
    dialog.setProxyModel(listFilter);
    auto* files = qobject_cast<QFileSystemModel*>(listFilter->sourceModel());
    const auto useEntry = [files, listFilter, filters, captions](const QString& caption) {
        const qsizetype index = std::max<qsizetype>(0, captions.indexOf(caption));
        if (files)
            files->setNameFilters({ QStringLiteral("*") });
        if (index < filters.size())
            listFilter->use(filters[index]);
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, listFilter, useEntry);
    useEntry(captions.value(0));
}
