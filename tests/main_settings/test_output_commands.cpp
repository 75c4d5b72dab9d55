#include "fakes/fake_platform.h"
#include "main_settings/QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW.h"
#include "node_control/QUORLIN_MAIN.h"

#include <QtTest>

class TestOutputCommands : public QObject {
    Q_OBJECT

private slots:
    void showsTheLiveCommandLines();
    void closingStoresOnlyPosition();
};

void TestOutputCommands::showsTheLiveCommandLines()
{
    TestContext t;
    t.fakes.store("KD_QT_COMMAND_TEXTBOX", "stored, not shown");
    QUORLIN_MAIN main(t.context);
    QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW w(t.context, main, &main);
    QCOMPARE(w.COMMAND_NAME_LABEL->text(), QStringLiteral("RUN COMMAND - "));
    QVERIFY(w.ALL_COMMANDS_TEXTBOX->toPlainText().isEmpty());
    QVERIFY(w.ALL_COMMANDS_TEXTBOX->isReadOnly());
    QVERIFY(w.ALL_COMMANDS_TEXTBOX->textInteractionFlags().testFlags(
        Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard));

    // Each press replaces the text with the live main window's line.
    const struct {
        QPushButton* button;
        QString caption;
        QString label;
        QString* command;
    } shows[] = {
        { w.QT_COMMAND_BUTTON, "QT RUN COMMAND", "RUN COMMAND - QT", &main.KD_QT_COMMAND_TEXTBOX },
        { w.DAEMON_COMMAND_BUTTON, "DAEMON RUN COMMAND", "RUN COMMAND - DAEMON", &main.KD_D_COMMAND_TEXTBOX },
        { w.CLI_STOP_COMMAND_BUTTON, "CLI \"STOP\"  RUN COMMAND", "RUN COMMAND - CLI - STOP",
            &main.KDCLI_STOP_COMMAND_TEXTBOX },
    };
    for (int round = 0; round < 2; ++round) {
        for (const auto& show : shows) {
            *show.command = show.label + QString::number(round);
            QCOMPARE(show.button->text(), show.caption);
            show.button->click();
            QCOMPARE(w.COMMAND_NAME_LABEL->text(), show.label);
            QCOMPARE(w.ALL_COMMANDS_TEXTBOX->toPlainText(), show.label + QString::number(round));
        }
    }
}

void TestOutputCommands::closingStoresOnlyPosition()
{
    for (const bool byOk : { true, false }) {
        TestContext t;
        QUORLIN_MAIN main(t.context);
        QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW w(t.context, main, &main);
        w.show();
        w.QT_COMMAND_BUTTON->click();
        byOk ? w.OK_BUTTON->click() : void(w.close());
        QVERIFY(!w.isVisible());
        QCOMPARE(t.fakes.settings.writtenKeys,
            QStringList({ "SINGLE_OUTPUT_COMMANDS_WINDOW-Left", "SINGLE_OUTPUT_COMMANDS_WINDOW-Top" }));
    }
}

QTEST_MAIN(TestOutputCommands)
#include "test_output_commands.moc"
