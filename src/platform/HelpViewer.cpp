#include "platform/HelpViewer.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/ProgramFolder.h"

namespace {
std::function<void(int)>& testHandler()
{
    static std::function<void(int)> handler;
    return handler;
}

// One help window for the whole program, created on first use.
class HelpWindow : public QWidget {
public:
    HelpWindow()
    {
        setWindowTitle(QStringLiteral("Vellumy Help"));
        setAttribute(Qt::WA_DeleteOnClose, false);
        // Help left open does not keep the program running once the main
        // window has closed.
        setAttribute(Qt::WA_QuitOnClose, false);
        browser_ = new QTextBrowser(this);
        browser_->setOpenExternalLinks(true);
        browser_->setSearchPaths({HelpFolder()});
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser_);
        resize(640, 560);
    }

    void showPage(const QString& path)
    {
        if (QFileInfo::exists(path))
            browser_->setSource(QUrl::fromLocalFile(path));
        else
            browser_->setHtml(QStringLiteral("<h2>Help</h2><p>The help page %1 is missing. "
                                             "The Help folder belongs next to the program.</p>")
                                  .arg(path.toHtmlEscaped()));
        show();
        raise();
        activateWindow();
    }

private:
    QTextBrowser* browser_;
};

void showTopic(int topic)
{
    if (testHandler()) {
        testHandler()(topic);
        return;
    }
    static QPointer<HelpWindow> window;
    if (!window)
        window = new HelpWindow;
    window->showPage(HelpTopicPath(topic));
}
} // namespace

QString HelpFolder()
{
    return ProgramDataFolder() + QStringLiteral("Help/");
}

QString HelpTopicPath(int topic)
{
    if (topic <= 0)
        return HelpFolder() + QStringLiteral("index.html");
    return HelpFolder() + QString::number(topic) + QStringLiteral(".html");
}

void ShowHelpContents()
{
    showTopic(0);
}

void ShowHelpTopic(int topic)
{
    showTopic(topic);
}

void SetHelpHandlerForTesting(std::function<void(int)> handler)
{
    testHandler() = std::move(handler);
}
