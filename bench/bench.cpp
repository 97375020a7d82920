// Times the generate action of the real window against the straightforward way of filling a
// text browser line by line, from the input field up to the clipboard's plain text.
#include "declarations.h"
#include "mainwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>

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
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

bool atEnd(QTextBrowser *view)
{
    return view->verticalScrollBar()->value() == view->verticalScrollBar()->maximum();
}

double peakMemoryMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024;
}

QString clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

struct Row
{
    int tokens;
    double rule, generate, naive;
    double generateMicrosPerToken() const { return generate * 1000 / tokens; }
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

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
        Row row{tokens, 0, 0, 0};

        row.rule = medianMs(runs, [&] {
            QString all;
            const QStringList values = splitValues(input);
            for (const QString &value : values)
                all += constantDeclaration(value);
        });

        QString generated;
        row.generate = medianMs(runs, [&] {
            button->click();
            generated = clipboardText();
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

    std::printf("%8s %12s %14s %12s %7s %12s\n", "tokens", "rule (ms)", "generate (ms)",
                "naive (ms)", "b/c", "us/token");
    for (const Row &row : rows)
        std::printf("%8d %12.3f %14.3f %12.3f %7.2f %12.3f\n", row.tokens, row.rule, row.generate,
                    row.naive, row.generate / row.naive, row.generateMicrosPerToken());
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
