#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace {
std::function<bool(const ShownMessage&)>& testHandler()
{
    static std::function<bool(const ShownMessage&)> handler;
    return handler;
}

// Windows texts break lines with CR or CR LF; Qt wants LF.
QString displayText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
} // namespace

void ShowInfo(const QString& text)
{
    if (testHandler()) {
        testHandler()({ShownMessage::Information, text, QStringLiteral("Information")});
        return;
    }
    QMessageBox::information(QApplication::activeWindow(), QStringLiteral("Information"), displayText(text));
}

void ShowError(const QString& text)
{
    if (testHandler()) {
        testHandler()({ShownMessage::Error, text, QStringLiteral("Error")});
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Error"), displayText(text));
}

bool AskYesNo(const QString& text, const QString& caption)
{
    if (testHandler())
        return testHandler()({ShownMessage::Question, text, caption});
    return QMessageBox::question(QApplication::activeWindow(), caption, displayText(text),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

void SetMessageBoxHandlerForTesting(std::function<bool(const ShownMessage&)> handler)
{
    testHandler() = std::move(handler);
}
