#include "fakes/fake_platform.h"
#include "main_settings/QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW.h"
#include "node_control/QUORLIN_MAIN.h"

#include <QtTest>

class TestOutputCommands : public QObject {
    Q_OBJECT

private slots:
    void opensEmpty();
    void showsTheLiveCommandLines_data();
    void showsTheLiveCommandLines();
    void closingStoresOnlyPosition_data();
    void closingStoresOnlyPosition();
};

void TestOutputCommands::opensEmpty()
{
    TestContext t;
    t.fakes.store("KD_QT_COMMAND_TEXTBOX", "\"/usr/bin/litecoin-qt\" -conf=\"x\"");
    QUORLIN_MAIN main(t.context);
    QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW w(t.context, main, &main);

    QCOMPARE(w.windowTitle(), QStringLiteral("QUORLIN - OUTPUT COMMANDS - SINGLE WINDOW"));
    QCOMPARE(w.COMMAND_NAME_LABEL->text(), QStringLiteral("RUN COMMAND - "));
    QVERIFY(w.ALL_COMMANDS_TEXTBOX->toPlainText().isEmpty());
    QVERIFY(w.ALL_COMMANDS_TEXTBOX->isReadOnly());
    QVERIFY(w.ALL_COMMANDS_TEXTBOX->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
    QVERIFY(w.ALL_COMMANDS_TEXTBOX->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard));
    QCOMPARE(w.ALL_COMMANDS_TEXTBOX->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(w.CLI_STOP_COMMAND_BUTTON->text(), QStringLiteral("CLI \"STOP\"  RUN COMMAND"));
    QVERIFY(t.fakes.settings.writtenKeys.isEmpty());
}

void TestOutputCommands::showsTheLiveCommandLines_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("command");
    QTest::newRow("Qt") << "QT_COMMAND_BUTTON"
                        << "QT RUN COMMAND"
                        << "RUN COMMAND - QT"
                        << "qt line";
    QTest::newRow("daemon") << "DAEMON_COMMAND_BUTTON"
                            << "DAEMON RUN COMMAND"
                            << "RUN COMMAND - DAEMON"
                            << "daemon line";
    QTest::newRow("stop") << "CLI_STOP_COMMAND_BUTTON"
                          << "CLI \"STOP\"  RUN COMMAND"
                          << "RUN COMMAND - CLI - STOP"
                          << "stop line";
}

void TestOutputCommands::showsTheLiveCommandLines()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, label);
    QFETCH(QString, command);
    TestContext t;
    t.fakes.store("KD_QT_COMMAND_TEXTBOX", "stored, not shown");
    QUORLIN_MAIN main(t.context);
    // The window reads the live main window, not the store.
    main.KD_QT_COMMAND_TEXTBOX = QStringLiteral("qt line");
    main.KD_D_COMMAND_TEXTBOX = QStringLiteral("daemon line");
    main.KDCLI_STOP_COMMAND_TEXTBOX = QStringLiteral("stop line");
    QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW w(t.context, main, &main);

    // Another line on show first: pressing replaces it.
    w.ALL_COMMANDS_TEXTBOX->setPlainText(QStringLiteral("previous"));
    auto* show = w.findChild<QPushButton*>(button);
    QCOMPARE(show->text(), caption);
    show->click();
    QCOMPARE(w.COMMAND_NAME_LABEL->text(), label);
    QCOMPARE(w.ALL_COMMANDS_TEXTBOX->toPlainText(), command);

    // A line saved meanwhile shows at the next press.
    main.KD_QT_COMMAND_TEXTBOX = QStringLiteral("qt line, new");
    main.KD_D_COMMAND_TEXTBOX = QStringLiteral("daemon line, new");
    main.KDCLI_STOP_COMMAND_TEXTBOX = QStringLiteral("stop line, new");
    show->click();
    QCOMPARE(w.ALL_COMMANDS_TEXTBOX->toPlainText(), command + QStringLiteral(", new"));
}

void TestOutputCommands::closingStoresOnlyPosition_data()
{
    QTest::addColumn<bool>("byOk");
    QTest::newRow("OK") << true;
    QTest::newRow("close box") << false;
}

void TestOutputCommands::closingStoresOnlyPosition()
{
    QFETCH(bool, byOk);
    TestContext t;
    QUORLIN_MAIN main(t.context);
    QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW w(t.context, main, &main);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.QT_COMMAND_BUTTON->click();
    if (byOk)
        w.OK_BUTTON->click();
    else
        w.close();
    QVERIFY(!w.isVisible());
    QCOMPARE(t.fakes.settings.writtenKeys,
        QStringList({ "SINGLE_OUTPUT_COMMANDS_WINDOW-Left", "SINGLE_OUTPUT_COMMANDS_WINDOW-Top" }));
}

QTEST_MAIN(TestOutputCommands)
#include "test_output_commands.moc"
