#pragma once

#include "conf_generator/QUORLIN_CONF_CHECK_NOTE.h"
#include "conf_generator/QUORLIN_CONF_GENERATOR_MAIN.h"
#include "conf_generator/conf_text.h"
#include "core/multi_line_box.h"
#include "fakes/fake_platform.h"
#include "fakes/file_bytes.h"
#include "fakes/find_control.h"
#include "node_control/QUORLIN_MAIN.h"

#include <QtTest>

// Fakes whose executable's folder is a temporary one, with native separators as the running program's own is.
struct FakesInFolder {
    FakesInFolder() { fakes.executable.folder = QDir::toNativeSeparators(folder.path()); }
    QTemporaryDir folder;
    FakePlatform fakes;
};

// The conf generator's fields over fakes that hold these "key=value" pairs.
struct ConfModelRig : TestContext {
    explicit ConfModelRig(const QStringList& stored = {})
        : TestContext(stored)
    {
        context.node.load();
        model.load();
    }
    // Line n (from 1) of the ".conf" text.
    QString line(int n) const { return renderConfText(model.fields()).split("\r\n").value(n - 1); }

    ConfGeneratorModel model { context.store, context.node };
};

// A main and a conf generator window over those fakes.
struct ConfGeneratorRig : FakesInFolder {
    ConfGeneratorRig() { open(); }
    void open() { window = std::make_unique<QUORLIN_CONF_GENERATOR_MAIN>(context, &mainWindow); }
    ConfGeneratorModel& model() const { return window->model(); }
    QString confPath() const
    {
        return QDir::toNativeSeparators(folder.filePath("KD-QUORLIN-CRYPTO-CONFIG.conf"));
    }
    template <typename C = QAbstractButton> C* at(const char* name) const { return ctl<C>(*window, name); }

    // The preview after the renderer's next tick, and line n (from 1) of it.
    QString preview() const
    {
        QMetaObject::invokeMethod(window.get(), "CONF_OUTPUT_TIMER_Timer");
        return at<MultiLineBox>("CONF_OUTPUT_TEXTBOX")->text();
    }
    QString line(int n) const { return preview().split("\r\n").value(n - 1); }

    // Configures a daemon program in the folder whose -help gives this version line and these options; the
    // file holds the version line, so a new version is a changed program file.
    QString useDaemon(const QString& version, const QStringList& options)
    {
        const QString daemon = folder.filePath("litecoind");
        writeFile(daemon, version.toUtf8());
        fakes.runner.answers.insert(
            daemon + " -help", { {}, 0, version + "\n\n  -" + options.join("\n  -") });
        context.node.setText(NodeText::DaemonCommand, '"' + daemon + "\" -regtest");
        return daemon;
    }

    // Clicks SAVE and waits until the daemon it asks has answered.
    void save()
    {
        at("SAVE_BUTTON")->click();
        QTRY_VERIFY(fakes.runner.runs.isEmpty());
    }

    // The texts of the conf check notes on the screen.
    QStringList notes() const
    {
        QStringList texts;
        for (const QWidget* note : window->findChildren<QUORLIN_CONF_CHECK_NOTE*>())
            if (note->isVisible())
                texts.append(ctl<QPlainTextEdit>(*note, "NOTE_TEXTBOX")->toPlainText());
        return texts;
    }

    // A save whose write fails: one message names the path and why, the window stays open with every field
    // stored, and neither the file `kept` nor the folder's entries change.
    void saveFails(const QString& kept, const QString& reason)
    {
        const auto entries = [&] {
            return QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
        };
        const QStringList before = entries();
        window->show();
        at("SAVE_BUTTON")->click();
        QCOMPARE(fakes.dialogs.errors.size(), 1);
        const QString message = fakes.dialogs.errors.value(0);
        QVERIFY2(message.contains(confPath()) && message.contains(reason, Qt::CaseInsensitive),
            qPrintable(message));
        QVERIFY(window->isVisible());
        QCOMPARE(fakes.settings.writtenKeys.size(), 26);
        QCOMPARE(fileBytes(kept), "kept");
        QCOMPARE(entries(), before);
    }

    AppContext context { fakes.platform() };
    QUORLIN_MAIN mainWindow { context };
    std::unique_ptr<QUORLIN_CONF_GENERATOR_MAIN> window;
};

// The basic settings over a daemon that ignores three of their lines, saved by Enter in the coin's name box.
struct IgnoredLinesRig : ConfGeneratorRig {
    IgnoredLinesRig()
    {
        daemon = useDaemon("Litecoin Core version v0.21.2.1",
            { "wallet", "disablewallet", "server", "listen", "dns", "rpcallowip", "timeout", "maxconnections",
                "rpcpassword" });
        model().applyBasicSettings();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        name()->setFocus();
        QTest::keyClick(name(), Qt::Key_Return);
        QTRY_VERIFY(fakes.runner.runs.isEmpty());
    }
    QLineEdit* name() const { return at<QLineEdit>("CRYPTO_NAME_TEXTBOX"); }
    int saves() const { return fakes.settings.writtenKeys.count("MAIN-Left"); }

    // The note on these findings, checked against this version.
    QStringList note(const QString& findings = kIgnored, const QString& version = "v0.21.2.1") const
    {
        return { "Saved. Worth knowing about this file:\n\n" + findings + "\n\nChecked against " + daemon
            + " (Litecoin Core version " + version
            + ").\nThis note comes once for these findings with this program and version." };
    }
    static inline const QString kIgnored = "Line 5, alerts: the node ignores it (not among its options)\n"
                                           "Line 10, allowip: the node ignores it (not among its options)\n"
                                           "Line 13, rpctimeout: the node ignores it (not among its options)";

    QString daemon;
};
