// Start-up: from process start to the first painted page of the document the
// program reopens (the most recent file). Each iteration starts this program
// again as a child that runs the program's start-up (single-instance guard,
// application, main window, first activation) and ends right after the page
// has been painted; the parent measures the whole child run.
//
// BM_WindowToFirstPaint does the same inside one process, without the cost of
// starting a process, loading libraries and setting up the toolkit.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "app/CalendarMain.h"
#include "app/IniFile.h"
#include "page/CalendarPanel32.h"
#include "platform/ProgramFolder.h"
#include "platform/SingleInstanceGuard.h"
#include "richtext/WPRtfText.h"

namespace {

const char* const ChildFlag = "--startup-child";
QString documentFolder;

// Quits the event loop once the page has been painted with a document on it.
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(TCalendarPanel32& page) : page_(page) { page.installEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted && page_.isVisible() && !page_.PaintingSuspended()) {
            painted = true;
            // After this paint has been handled (the first activation pumps
            // events itself, so the page may be painted before the loop runs).
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    TCalendarPanel32& page_;
};

// A program folder with a December page, text in every day cell and QX.ini
// naming it as the most recent document.
void makeProgramFolder(const QString& folder)
{
    TComponent owner;
    auto* page = new TCalendarPanel32(&owner);
    page->ResetToDefaults();
    page->SetCalendarLayout(loFCMinisInTitleLS);
    page->SetMainCalMonth(12);
    page->SetMainCalYear(2026);
    page->UpdatePageLayout(true);
    page->DrawPage();
    QTextDocument text;
    text.setPlainText(QStringLiteral("Meeting at ten\nLunch with the team"));
    TWPRtfText rtf;
    rtf.SetDocument(text);
    for (int i = 1; i <= DayCellCount; ++i)
        if (page->GetCellDay(i) > 0)
            page->SetCellText(i, rtf);
    const QString document = folder + QStringLiteral("/Dec2026.QXF");
    if (!page->SaveDocument(document))
        std::abort();
    TIniFile ini(folder + QStringLiteral("/QX.ini"));
    ini.WriteValues(QStringLiteral("MRU"), {{QStringLiteral("F0"), document}});
}

int runChild(int argc, char** argv, const QString& folder)
{
    QApplication app(argc, argv);
    SetProgramFolderForTesting(folder);
    SingleInstanceGuard guard(QStringLiteral("vellumy-startup-bench-%1").arg(QCoreApplication::applicationPid()));
    TCalendarMain window;
    FirstPaintWatch watch(*window.CalendarPanel());
    window.FormActivate();
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(2); });
    const int result = watch.painted ? 0 : app.exec();
    return watch.painted && !window.CurrentFile().isEmpty() ? result : 3;
}

void BM_ProcessStartToFirstPaintedPage(benchmark::State& state)
{
    // The child uses the parent's platform: offscreen unless one was chosen
    // (QT_QPA_PLATFORM=xcb under xvfb-run measures real X11 windows).
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (auto _ : state) {
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(ChildFlag), documentFolder});
        if (!child.waitForFinished(30000) || child.exitCode() != 0) {
            state.SkipWithError("the child did not paint a reopened page");
            break;
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_ProcessStartToFirstPaintedPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

void BM_WindowToFirstPaint(benchmark::State& state)
{
    SetProgramFolderForTesting(documentFolder);
    for (auto _ : state) {
        auto window = std::make_unique<TCalendarMain>();
        FirstPaintWatch watch(*window->CalendarPanel());
        window->FormActivate();
        if (!watch.painted) {
            QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(2); });
            QCoreApplication::exec();
        }
        if (!watch.painted) {
            state.SkipWithError("no painted page");
            break;
        }
        window.reset();
    }
    SetProgramFolderForTesting(QString());
}
BENCHMARK(BM_WindowToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(15);

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], ChildFlag) == 0)
        return runChild(argc, argv, QString::fromLocal8Bit(argv[2]));

    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // What the children inherit.
    QApplication app(argc, argv);
    QTemporaryDir folder;
    documentFolder = folder.path();
    makeProgramFolder(documentFolder);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
