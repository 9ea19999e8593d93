// The program: one instance per user, the application's name, the main window.
// `vellumy FILE` opens that calendar, in the running instance when there is one.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProxyStyle>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/CalendarMain.h"
#include "app/PrintCommands.h"
#include "objects/kinds/FloatingPalette.h"
#include "platform/SingleInstanceGuard.h"

namespace {
// Without a window system Qt would abort with a cryptic plugin message.
bool displayAvailable()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

const char* const Usage =
    "Usage: vellumy [FILE.QXF]\n"
    "Vellumy designs and prints calendars.\n"
    "\n"
    "  FILE.QXF        open this calendar (in the running Vellumy, if there is one)\n"
    "  -h, --help      show this help and exit\n"
    "  -v, --version   show the version and exit\n"
    "\n"
    "vellumy-tool renders, prints and inspects calendars without a window.\n";

// What the command line asks for besides the window.
struct CommandLine {
    bool help = false;
    bool version = false;
    QString badOption;
    QStringList files;  // as given, relative to the current folder
};

// Read before the toolkit starts: --help and --version answer without a display.
CommandLine parseCommandLine(int argc, char* argv[])
{
    CommandLine line;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const char* word = argv[i];
        if (!optionsEnded && std::strcmp(word, "--") == 0)
            optionsEnded = true;
        else if (!optionsEnded && (std::strcmp(word, "-h") == 0 || std::strcmp(word, "--help") == 0))
            line.help = true;
        else if (!optionsEnded && (std::strcmp(word, "-v") == 0 || std::strcmp(word, "--version") == 0))
            line.version = true;
        else if (!optionsEnded && word[0] == '-' && word[1] != '\0') {
            // Toolkit options (-platform, -style ...) are the toolkit's.
            if (std::strcmp(word, "-platform") == 0 || std::strcmp(word, "-style") == 0
                || std::strcmp(word, "-display") == 0 || std::strcmp(word, "-qwindowgeometry") == 0) {
                ++i;
                continue;
            }
            if (line.badOption.isEmpty())
                line.badOption = QString::fromLocal8Bit(word);
        } else
            line.files.append(QString::fromLocal8Bit(word));
    }
    return line;
}

// Hints wait a little longer than the toolkit's default before they show.
class HintDelayStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return TCalendarMain::HintDelayMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};
} // namespace

int main(int argc, char* argv[])
{
    const CommandLine line = parseCommandLine(argc, argv);
    if (line.help) {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (line.version) {
        std::printf("Vellumy %s\n", VELLUMY_VERSION);
        return 0;
    }
    if (!line.badOption.isEmpty()) {
        std::fprintf(stderr, "vellumy: unknown option '%s'\n%s", qPrintable(line.badOption), Usage);
        return 2;
    }
    if (!displayAvailable()) {
        std::fprintf(stderr, "Vellumy needs a display: no X11 or Wayland display was found "
                             "(DISPLAY and WAYLAND_DISPLAY are not set).\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellumy"));
    QApplication::setApplicationVersion(QStringLiteral(VELLUMY_VERSION));
    // The desktop entry's name: the desktop matches the window to its entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vellumy.Vellumy"));

    QStringList files;
    for (const QString& file : line.files)
        files.append(QDir::current().absoluteFilePath(file));

    // A second start brings the running instance forward, hands it the file
    // and ends.
    SingleInstanceGuard guard(QFileInfo(QCoreApplication::applicationFilePath()).fileName(), files);
    if (guard.AnotherInstanceRunning())
        return 0;

    QApplication::setStyle(new HintDelayStyle);

    TCalendarMain window;
    TFloatingPalette palette(&window);
    window.SetIconPalette(&palette);
    TPrintCommands::Install(window);
    guard.SetOnActivationRequest([&window] {
        if (window.isMinimized())
            window.showNormal();
        window.show();
        window.raise();
        window.activateWindow();
    });
    // After the request has been handled: opening may ask to save changes.
    guard.SetOnOpenRequest([&window](const QString& file) {
        QTimer::singleShot(0, &window, [&window, file] { window.OpenFromOutside(file); });
    });
    if (!files.isEmpty())
        window.OpenFromOutside(files.first());
    window.FormActivate();
    return app.exec();
}
