// Times the generate action of the real window against the straightforward way of filling a
// text browser line by line, from the input field up to the clipboard's plain text: on Qt's
// offscreen platform by default, and with --display on the X11 display that DISPLAY names, for
// the most constants a Java class can hold, from Return until another client (xclip) has read
// every line, and with the CPU the idle window takes.
#include "declarations.h"
#include "mainwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryFile>
#include <QTextBrowser>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

// Single-character tokens of every kind of type word: 16,384 of them fill QLineEdit's default
// limit of 32,767 characters, which the window lifts.
QString inputOf(int tokens)
{
    static const char kinds[] = {'1', 'd', 'l', '-', 'x', '7', 'D', 'L'};
    QString text;
    for (int i = 0; i < tokens; ++i) {
        if (i > 0)
            text.append(QLatin1Char(','));
        text.append(QLatin1Char(kinds[i % int(sizeof kinds)]));
    }
    return text;
}

QString linesOf(const QString &input)
{
    QStringList lines;
    const QStringList values = splitValues(input);
    for (const QString &value : values)
        lines << constantDeclaration(value);
    return lines.join(QLatin1Char('\n'));
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double medianMs(
    int runs, const std::function<void()> &run, const std::function<void()> &prepare = [] {})
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

bool atEnd(const QTextBrowser *view)
{
    return view->verticalScrollBar()->value() == view->verticalScrollBar()->maximum();
}

// Handles events until the condition holds, checking it every millisecond, for at most a minute.
bool waitFor(const std::function<bool()> &condition)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (condition())
            loop.quit();
    });
    check.start(1);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    if (!condition())
        loop.exec();
    return condition();
}

double peakMemoryMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

QString clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

struct Row
{
    int tokens;
    double rule, generate, laidOut, naive;
    double generateMicrosPerToken() const { return generate * 1000 / tokens; }
};

int offscreen()
{
    const auto startUp = [](auto makeWindow) {
        return medianMs(21, [&] {
            auto window = makeWindow();
            window->show();
            QApplication::processEvents();
        });
    };
    const double numconstStart = startUp([] { return std::make_unique<MainWindow>(); });
    const double emptyStart = startUp([] {
        auto window = std::make_unique<QMainWindow>();
        window->resize(800, 600);
        return window;
    });

    MainWindow window;
    window.show();
    auto *field = window.findChild<QLineEdit *>(QStringLiteral("lineEdit"));
    auto *button = window.findChild<QPushButton *>(QStringLiteral("pushButton"));
    auto *view = window.findChild<QTextBrowser *>(QStringLiteral("textBrowser"));
    QApplication::processEvents();

    std::vector<Row> rows;
    bool identical = true;
    double peakAfterGenerate = 0;
    for (const int tokens : {10, 1000, 16384, 131072}) {
        const QString input = inputOf(tokens);
        const int runs = tokens < 1000 ? 201 : tokens < 10000 ? 31 : tokens < 100000 ? 15 : 5;
        field->setText(input);
        Row row{tokens, 0, 0, 0, 0};

        row.rule = medianMs(runs, [&] { linesOf(input); });

        // The copy comes first; the view lays its lines out afterwards, between events.
        QString generated;
        row.generate = medianMs(runs, [&] {
            button->click();
            generated = clipboardText();
        });
        row.laidOut = medianMs(runs, [&] {
            button->click();
            waitFor([view] { return atEnd(view); });
        });
        const QString generatedView = view->toPlainText();
        peakAfterGenerate = peakMemoryMiB();
        const bool generatedAtEnd = atEnd(view);

        std::unique_ptr<QTextBrowser> browser;
        QString naive;
        const auto freshBrowser = [&] {
            browser = std::make_unique<QTextBrowser>();
            browser->resize(view->size());
            browser->show();
        };
        row.naive = medianMs(
            runs,
            [&] {
                browser->clear();
                const QStringList values = splitValues(input);
                for (const QString &value : values)
                    browser->append(constantDeclaration(value));
                browser->selectAll();
                browser->copy();
                naive = clipboardText();
            },
            freshBrowser);
        identical = identical && generated == naive && generatedView == browser->toPlainText() &&
                    generatedAtEnd == atEnd(browser.get()) &&
                    generated.count(QLatin1Char('\n')) == tokens - 1;
        rows.push_back(row);
        QApplication::processEvents();
    }

    std::printf("%8s %11s %14s %13s %12s %7s %10s\n", "tokens", "rule (ms)", "generate (ms)",
                "laid out (ms)", "naive (ms)", "b/c", "us/token");
    for (const Row &row : rows)
        std::printf("%8d %11.3f %14.3f %13.3f %12.3f %7.2f %10.3f\n", row.tokens, row.rule,
                    row.generate, row.laidOut, row.naive, row.generate / row.naive,
                    row.generateMicrosPerToken());
    const Row &largest = rows.back();
    const Row &oldLimit = rows[rows.size() - 2];
    std::printf("generate, cost per token at %d against %d tokens: %.2f\n", largest.tokens,
                oldLimit.tokens,
                largest.generateMicrosPerToken() / oldLimit.generateMicrosPerToken());
    std::printf("peak memory after generating %d tokens: %.1f MiB\n", largest.tokens,
                peakAfterGenerate);
    std::printf("generate and naive leave identical text: %s\n", identical ? "yes" : "NO");
    std::printf("start-up, construct and show: numconst %.3f ms, empty QMainWindow %.3f ms\n",
                numconstStart, emptyStart);
    return identical ? 0 : 1;
}

// Milliseconds since 1970, as date(1) gives them to the client below.
double nowMs()
{
    return double(QDateTime::currentMSecsSinceEpoch());
}

// Has another client press KEYS (if any), then read the clipboard again and again until it holds
// the expected text, handling events meanwhile; returns the time, in ms since 1970, at which it
// had read it, or -1.
double otherClientReads(const QString &expected, const QString &keys)
{
    QTemporaryFile file;
    if (!file.open() || file.write(expected.toUtf8()) < 0 || !file.flush())
        return -1;
    QProcess client;
    client.start(QStringLiteral("sh"),
                 {QStringLiteral("-c"),
                  QStringLiteral("[ -z \"$1\" ] || xdotool key \"$1\"; until xclip -selection "
                                 "clipboard -o 2>/dev/null | cmp -s - \"$0\"; do :; done; "
                                 "date +%s%3N"),
                  file.fileName(), keys});
    QEventLoop loop;
    QObject::connect(&client, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), &loop,
                     &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    bool read = false;
    const double ms = client.readAllStandardOutput().trimmed().toDouble(&read);
    return read ? ms : -1;
}

// The CPU time that ten seconds of waiting for events take, in percent of a core.
double idlePercent()
{
    const double before = cpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    return (cpuSeconds() - before) * 10;
}

int display()
{
    constexpr int tokens = 65535; // the most fields that a Java class file can count
    const QString input = inputOf(tokens);
    const QString expected = linesOf(input);
    std::vector<double> returnMs, idleBefore, idleAfter;
    for (int run = 0; run < 3; ++run) {
        QGuiApplication::clipboard()->clear();
        MainWindow window;
        window.show();
        window.activateWindow();
        auto *field = window.findChild<QLineEdit *>(QStringLiteral("lineEdit"));
        auto *view = window.findChild<QTextBrowser *>(QStringLiteral("textBrowser"));
        field->setText(input);
        field->setFocus();
        if (!waitFor([&window] { return window.isActiveWindow(); }))
            return std::printf("the window never became active\n"), 1;
        idleBefore.push_back(idlePercent());
        const double pressed = nowMs();
        returnMs.push_back(otherClientReads(expected, QStringLiteral("Return")) - pressed);
        waitFor([view] { return view->verticalScrollBar()->maximum() > 0 && atEnd(view); });
        idleAfter.push_back(idlePercent());
    }

    QGuiApplication::clipboard()->clear();
    QTextBrowser browser;
    browser.resize(780, 520);
    browser.show();
    QApplication::processEvents();
    const double started = nowMs();
    const QStringList values = splitValues(input);
    for (const QString &value : values)
        browser.append(constantDeclaration(value));
    browser.selectAll();
    browser.copy();
    const double naiveMs = otherClientReads(expected, QString()) - started;

    std::sort(returnMs.begin(), returnMs.end());
    std::printf("%d values on the display, 3 fresh windows: Return -> clipboard read by xclip "
                "%.0f / %.0f / %.0f ms (min / median / max); one append per line -> clipboard "
                "%.0f ms; ratio of the medians %.2f\n",
                tokens, returnMs.front(), returnMs[1], returnMs.back(), naiveMs,
                returnMs[1] / naiveMs);
    std::printf("idle CPU over 10 s with the list in the field: %.1f %% of a core before the run, "
                "%.1f %% after it (medians)\n",
                median(idleBefore), median(idleAfter));
    return returnMs.front() < 0 || naiveMs < 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool onDisplay = argc > 1 && qstrcmp(argv[1], "--display") == 0;
    if (!onDisplay && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return onDisplay ? display() : offscreen();
}
