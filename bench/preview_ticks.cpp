// Whether the main window's process watcher keeps its 250 ms ticks while the
// conf generator is open with a user-defined block of several MB and its
// preview renders every second: first while nobody types, then while the user
// types into the block, a key every 300 ms. Prints the gaps between ticks.
// Fakes stand in for the platform, so nothing is read or written outside.
//
//   QT_QPA_PLATFORM=offscreen bench_preview_ticks [megabytes] [seconds]   (defaults 6 and 10)

#include "conf_generator/QUORLIN_CONF_GENERATOR_MAIN.h"
#include "core/multi_line_box.h"
#include "fakes/fake_platform.h"
#include "node_control/QUORLIN_MAIN.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextCursor>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

QString userBlock(qsizetype bytes)
{
    QString block;
    for (int n = 0; block.size() < bytes; ++n)
        block += QStringLiteral("addnode=10.%1.%2.%3\r\n").arg(n >> 16).arg((n >> 8) & 255).arg(n & 255);
    return block;
}

void report(const char* phase, std::vector<qint64> gaps)
{
    std::sort(gaps.begin(), gaps.end());
    const auto late = std::count_if(gaps.begin(), gaps.end(), [](qint64 gap) { return gap > 375; });
    std::printf("%-8s %3zu ticks, gap median %lld ms, 90%% %lld ms, most %lld ms, %ld over 375 ms\n", phase,
        gaps.size(), gaps.empty() ? 0LL : gaps[gaps.size() / 2],
        gaps.empty() ? 0LL : gaps[gaps.size() * 9 / 10], gaps.empty() ? 0LL : gaps.back(), long(late));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int megabytes = argc > 1 ? std::atoi(argv[1]) : 6;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 10;

    TestContext test;
    QUORLIN_MAIN panel(test.context);
    panel.show();
    QUORLIN_CONF_GENERATOR_MAIN generator(test.context, &panel);
    auto* block = generator.findChild<MultiLineBox*>(QStringLiteral("USER_DEFINED_SETTINGS_TEXTBOX"));
    QElapsedTimer clock;
    clock.start();
    block->setText(userBlock(qsizetype(megabytes) << 20));
    generator.show();
    std::printf("%d MB block shown in %lld ms\n", megabytes, clock.restart());

    std::vector<qint64> gaps;
    qint64 last = -1;
    QObject::connect(
        panel.findChild<QTimer*>(QStringLiteral("MULTI_PROCESS_WATCHER_TIMER")), &QTimer::timeout, [&] {
            const qint64 now = clock.elapsed();
            if (last >= 0)
                gaps.push_back(now - last);
            last = now;
        });
    QTimer typist; // a key at the end of the block, as the user types
    typist.setInterval(300);
    QObject::connect(&typist, &QTimer::timeout, [&] {
        QTextCursor cursor = block->textCursor();
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral("x"));
    });
    const auto run = [&](const char* phase) {
        gaps.clear();
        last = -1;
        QEventLoop loop;
        QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
        loop.exec();
        report(phase, gaps);
    };
    run("idle");
    typist.start();
    run("typing");
    return 0;
}
