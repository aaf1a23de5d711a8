// Start-up time and peak memory of the window against a bare window with the same controls,
// and the time a press of "Negative" takes with G at 30 rows. Runs on the offscreen platform.
// Run: build/bench/window_bench [runs]

#include "bench_session.h"
#include "control_table.h"
#include "main_window.h"
#include "message_boxes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>

using namespace vspace;

namespace {

class SilentBoxes : public MessageBoxes
{
public:
    void information(QWidget *, const QString &, const QString &) override {}
};

// The same 28 controls at the same places, with nothing behind them.
QWidget *bareWindow()
{
    auto *window = new QWidget;
    window->setFixedSize(712, 509);
    QHash<QString, QWidget *> containers;
    for (const ControlEntry &entry : kControlTable) {
        const QString name = QString::fromLatin1(entry.objectName.data(),
                                                 static_cast<qsizetype>(entry.objectName.size()));
        QWidget *parent = entry.container.empty()
                                  ? window
                                  : containers.value(
                                          QString::fromLatin1(entry.container.data(),
                                                              static_cast<qsizetype>(
                                                                      entry.container.size())));
        const QString caption = entry.caption ? QString::fromUtf8(english(*entry.caption).data())
                                              : QString();
        QWidget *widget = nullptr;
        switch (entry.kind) {
        case ControlKind::Frame:
            widget = new QGroupBox(caption, parent);
            containers.insert(name, widget);
            break;
        case ControlKind::Label:
            widget = new QLabel(caption, parent);
            break;
        case ControlKind::EntryField:
            widget = new QLineEdit(parent);
            break;
        case ControlKind::List:
            widget = new QListWidget(parent);
            break;
        case ControlKind::Button:
            widget = new QPushButton(caption, parent);
            break;
        }
        const Twips &at = entry.geometry;
        widget->setGeometry(at.left / kTwipsPerPixel, at.top / kTwipsPerPixel,
                            at.width / kTwipsPerPixel, at.height / kTwipsPerPixel);
    }
    return window;
}

// Child process: shows one window, prints "<milliseconds to exposed> <peak KiB>".
int startUp(bool form, int argc, char **argv)
{
    QElapsedTimer timer;
    timer.start();
    QApplication app(argc, argv);
    SilentBoxes boxes;
    QWidget *window = form ? new MainWindow("/dev/null/hypothesis.txt", &boxes) : bareWindow();
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return 1;
    QCoreApplication::processEvents();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.3f %ld\n", ms, usage.ru_maxrss);
    delete window;
    return 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// G at 29 rows; the negative example z,z,z,z,z,F adds the thirtieth.
void setTwentyNineRows(MainWindow &window)
{
    Form &form = window.form();
    form.press(Button::Clear);
    LearningState state = form.state();
    const Row s{"A", "B", "C", "D", "E", "F"};
    state.specific = s;
    state.general = Rows(vspace::testing::twentyNineRows(s));
    state.exampleCount = 10;
    form.setState(state);
    const char *values[6] = {"z", "z", "z", "z", "z", "F"};
    for (int i = 1; i <= 6; ++i)
        window.findChild<QLineEdit *>(QStringLiteral("Text1_%1").arg(i))
                ->setText(QString::fromLatin1(values[i - 1]));
}

int negativePress(int argc, char **argv)
{
    QApplication app(argc, argv);
    SilentBoxes boxes;
    MainWindow form("/dev/null/hypothesis.txt", &boxes);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    auto *negative = form.findChild<QPushButton *>(QStringLiteral("Command2"));
    std::vector<double> times;
    for (int i = 0; i < 300; ++i) {
        setTwentyNineRows(form);
        form.repaint();
        QElapsedTimer timer;
        timer.start();
        negative->click();
        form.repaint(); // the lists drawn anew
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (form.form().state().general.size() != 30)
            return 1;
    }
    std::printf(
            "Negative press with G reaching 30 rows, lists redrawn: median %.3f ms (budget 5 ms)\n",
            median(times));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && (qstrcmp(argv[1], "--form") == 0 || qstrcmp(argv[1], "--bare") == 0))
        return startUp(qstrcmp(argv[1], "--form") == 0, argc, argv);
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 15;

    std::vector<double> formMs, bareMs, formKib, bareKib;
    for (int i = 0; i < runs; ++i) {
        for (const char *mode : {"--form", "--bare"}) {
            QProcess child;
            child.start(QString::fromLocal8Bit(argv[0]), {QString::fromLatin1(mode)});
            if (!child.waitForFinished(30000) || child.exitCode() != 0) {
                std::fprintf(stderr, "window_bench: the %s run failed\n", mode);
                return 1;
            }
            const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
            const bool form = qstrcmp(mode, "--form") == 0;
            (form ? formMs : bareMs).push_back(fields.value(0).toDouble());
            (form ? formKib : bareKib).push_back(fields.value(1).toDouble());
        }
    }
    const double formTime = median(formMs), bareTime = median(bareMs);
    std::printf("Start-up to shown, median of %d runs: vspace %.2f ms, bare window %.2f ms, "
                "ratio %.3f (budget 1.25)\n",
                runs, formTime, bareTime, formTime / bareTime);
    std::printf("Peak memory, median: vspace %.0f KiB, bare window %.0f KiB, difference %.0f KiB "
                "(budget 4096 KiB)\n",
                median(formKib), median(bareKib), median(formKib) - median(bareKib));
    return negativePress(argc, argv);
}
