#pragma once

#include "dialogs.h"

class QFileDialog;

// How one filter entry picks files on a given platform.
struct PlatformFileFilter {
    QString caption; // shown unchanged
    QString pattern; // a wildcard over file names
    bool programsOnly = false; // shows only files the user may run
};

// Translates filter entries written as on Windows for a platform whose
// programs may have no extension: "*.*" becomes "*" (a name without a dot is
// a file too) and "*.exe" shows the files the user may run, under the same
// caption. Where programs end in ".exe" the entries stay as they are.
QList<PlatformFileFilter> platformFileFilters(const QList<FileFilter>& filters, bool programsHaveExtension);

// The default extension, dropped where it would turn a typed program name
// into one that does not exist ("litecoind" into "litecoind.exe").
QString platformDefaultExtension(const QString& extension, bool programsHaveExtension);

// Sets up `dialog` to open one existing file as `request` asks. Where the
// filters need more than name patterns, the dialog gets Qt's own widgets and
// a filter over its file list.
void prepareOpenFileDialog(QFileDialog& dialog, const OpenFileRequest& request, bool programsHaveExtension);
