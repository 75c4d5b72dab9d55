#pragma once

#include "core/app_context.h"
#include "platform/platform.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <algorithm>

#include <utility>

// In-memory settings store that remembers the order of its writes and counts how often it is written through:
// each save outside a batch, and each outermost batch that saved something.
class FakeSettingsBacking final : public SettingsBacking {
public:
    QString GetSetting(
        const QString& app, const QString& section, const QString& key, const QString& def) override
    {
        readKeys.append(key);
        return values.value(address(app, section, key), def);
    }
    void SaveSetting(
        const QString& app, const QString& section, const QString& key, const QString& value) override
    {
        values.insert(address(app, section, key), value);
        writtenKeys.append(key);
        writtenValues.append(key + u'=' + value);
        beginBatch();
        held = true;
        endBatch();
    }
    void beginBatch() override { ++batchDepth; }
    void endBatch() override
    {
        if (--batchDepth == 0 && std::exchange(held, false))
            ++commits;
    }
    static QString address(const QString& app, const QString& section, const QString& key)
    {
        return app + u'\\' + section + u'\\' + key;
    }

    QMap<QString, QString> values;
    QStringList readKeys; // every key read, in order
    QStringList writtenKeys; // every key saved, in order
    QStringList writtenValues; // "key=value", in order
    int commits = 0;
    int batchDepth = 0;
    bool held = false; // saved in the open batch
};

// A started program as the test sets it. By default its process ended at once without failing, as a forking
// daemon's first process does, so that the image names say whether it runs.
class FakeStartedProgram final : public StartedProgram {
public:
    std::optional<ProcessEnd> end() const override { return processEnd; }
    bool groupRunning() const override { return groupAlive; }
    QString takeOutputProblem() override { return std::exchange(outputProblem, QString()); }
    bool finished() const override { return processEnd.has_value(); }

    std::optional<ProcessEnd> processEnd = ProcessEnd { false, QStringLiteral("exit code 0") };
    bool groupAlive = false;
    QString outputProblem;
};

// Keeps every launch as "<command line> > <output log>", and " hidden" for a hidden window; a start hands out
// `program`.
class FakeProcessLauncher final : public ProcessLauncher {
public:
    LaunchResult launch(const CommandLine& commandLine, WindowStyle style, const QString& outputLog) override
    {
        calls.append(commandLine.text() + QStringLiteral(" > ") + outputLog
            + (style == WindowStyle::Hidden ? QStringLiteral(" hidden") : QString()));
        LaunchResult result = nextResult;
        if (result.started)
            result.program = program;
        return result;
    }
    QStringList calls;
    LaunchResult nextResult { true, {}, {}, {} };
    std::shared_ptr<FakeStartedProgram> program = std::make_shared<FakeStartedProgram>();
};

// Answers from a table of running processes, each a group of its own named by its id; letter case is ignored.
// Keeps the names of every look at the process list.
class FakeProcessQuery final : public ProcessQuery {
public:
    std::optional<QList<int>> countProcesses(
        const QStringList& imageNames, const QList<qint64>& skippedGroups) override
    {
        looks.append(imageNames);
        QList<int> counts;
        for (const QString& name : imageNames) {
            counts.append(0);
            for (auto [pid, image] : processIds.asKeyValueRange())
                counts.last()
                    += !skippedGroups.contains(pid) && image.compare(name, Qt::CaseInsensitive) == 0;
        }
        return failing ? std::nullopt : std::optional(counts);
    }
    // Adds `count` processes of this image, with ids of their own.
    void setRunning(const QString& imageName, int count)
    {
        while (count-- > 0)
            processIds.insert(-1 - processIds.size(), imageName);
    }

    QHash<qint64, QString> processIds; // the running processes' image names, by their ids
    QList<QStringList> looks;
    bool failing = false;
};

class FakeWindowStacking final : public WindowStacking {
public:
    void stackingStep(QWidget&) override { ++steps; }
    int steps = 0;
};

// Answers from queues a test fills beforehand; an empty queue, or a queued nullopt, answers as a user who
// cancels. Every request is kept.
class FakeDialogs final : public Dialogs {
public:
    void showError(QWidget*, const QString& title, const QString& text) override
    {
        errors.append(title + u'\n' + text);
    }
    bool askToProceed(QWidget*, const QString& title, const QString& text, const QString& proceedText,
        const QString& backText) override
    {
        questions.append(QStringList { title, text, proceedText, backText }.join(u'\n'));
        return !proceedAnswers.isEmpty() && proceedAnswers.takeFirst();
    }
    std::optional<QString> browseForFolder(QWidget*, const QString& title) override
    {
        folderTitles.append(title);
        return folderAnswers.isEmpty() ? std::nullopt : folderAnswers.takeFirst();
    }
    std::optional<QString> openFile(QWidget*, const OpenFileRequest& request) override
    {
        fileRequests.append(request);
        return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.takeFirst();
    }
    QStringList errors;
    QStringList questions; // title, text and the two buttons' captions, one per line
    QList<bool> proceedAnswers; // empty: the user goes back
    QList<std::optional<QString>> folderAnswers;
    QList<std::optional<QString>> fileAnswers;
    QStringList folderTitles;
    QList<OpenFileRequest> fileRequests;
};

// Keeps every run. A run whose "program argument..." line is in `answers` gets that answer from the event
// loop; the others wait until the test answers them, oldest first, with answer().
class FakeProcessRunner final : public ProcessRunner {
public:
    struct Run {
        int timeoutMs;
        Caller caller;
        QPointer<QObject> receiver;
        Done done;
        qint64 pid; // 1000 for the first run, then counting up
    };

    void run(const QString& program, const QStringList& arguments, int timeoutMs, Caller caller,
        QObject* receiver, Done done) override
    {
        const QString line = (QStringList { program } + arguments).join(u' ');
        runs.append({ timeoutMs, caller, receiver, std::move(done), 1000 + commandLines.size() });
        commandLines.append(line);
        if (answers.contains(line))
            QTimer::singleShot(0, receiver,
                [this, pid = runs.last().pid, given = answers.value(line)] { answer(pid, given); });
    }
    QList<qint64> panelGroups() const override
    {
        QList<qint64> pids;
        for (const Run& run : runs)
            if (run.caller == Caller::Panel)
                pids.append(run.pid);
        return pids;
    }
    // Answers the oldest open run; false when none is open.
    bool answer(const ProcessAnswer& answer)
    {
        return !runs.isEmpty() && this->answer(runs.first().pid, answer);
    }
    // Answers the open run with this id; false when it is not open.
    bool answer(qint64 pid, const ProcessAnswer& answer)
    {
        const auto open
            = std::find_if(runs.begin(), runs.end(), [pid](const Run& run) { return run.pid == pid; });
        if (open == runs.end())
            return false;
        const Run run = *open;
        runs.erase(open);
        if (run.receiver)
            run.done(answer);
        return true;
    }

    QHash<QString, ProcessAnswer> answers;
    QList<Run> runs; // open runs, oldest first
    QStringList commandLines; // every run's program and arguments, joined by blanks, in order
};

// Hands out bytes counting up from 1, which differ from call to call but are not random, or fails with
// `error` when one is set.
class FakeSecureRandom final : public SecureRandom {
public:
    RandomBytes read(qsizetype count) override
    {
        if (!error.isEmpty())
            return { {}, error };
        QByteArray bytes;
        while (bytes.size() < count)
            bytes += static_cast<char>(++counter);
        return { bytes, {} };
    }
    QString error;
    quint8 counter = 0;
};

// A complete set of fakes for one test, and the context that windows take.
struct FakePlatform {
    FakeSettingsBacking settings;
    FakeProcessLauncher launcher;
    FakeProcessQuery processes;
    FakeWindowStacking stacking;
    FakeDialogs dialogs;
    FakeProcessRunner runner;
    ProgramHelpReader programHelp { runner };
    FakeSecureRandom random;
    ExecutableIdentity executable { QStringLiteral("KD-QUORLIN"), QStringLiteral("/opt/nodes") };

    Platform platform()
    {
        return { settings, launcher, processes, stacking, dialogs, executable, runner,
            QStringLiteral("/logs"), programHelp, random };
    }
    // The stored value of a key in the executable's section, or a null QString.
    QString stored(const QString& key) const { return settings.values.value(address(key)); }
    void store(const QString& key, const QString& value) { settings.values.insert(address(key), value); }

private:
    QString address(const QString& key) const
    {
        return FakeSettingsBacking::address(kApplicationName, executable.name, key);
    }
};

// Fakes whose store holds these settings, each "key=value", before any window opens, and their context.
struct TestContext {
    explicit TestContext(const QStringList& pairs = {})
    {
        for (const QString& pair : pairs)
            fakes.store(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    }
    FakePlatform fakes;
    AppContext context { fakes.platform() };
};
