#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "app/IniFile.h"
#include "app/Preferences.h"
#include "platform/ScreenMetrics.h"

namespace {

QString iniPath(const QString& iniFile)
{
    return iniFile.isEmpty() ? IniFileName() : iniFile;
}

QScreen* screenOf(const QWidget& form)
{
    if (QScreen* screen = form.screen())
        return screen;
    return QGuiApplication::primaryScreen();
}

} // namespace

QString PlacementSection(const QString& className)
{
    QString section = className + QStringLiteral("_Placement");
    if (ScreenPPI() > 96)
        section += QString::number(ScreenPPI());
    return section;
}

void CenterForm(QWidget& form, const QWidget* over)
{
    QRect area;
    if (over && over->isVisible() && !over->isMaximized()) {
        area = over->frameGeometry();
    } else if (const QScreen* screen = screenOf(form)) {
        area = screen->availableGeometry();
    } else {
        return;
    }
    const QSize size = form.frameGeometry().size();
    form.move(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}

QRect ReachablePlacement(QRect rect)
{
    // The screen that shows most of the rectangle; none when its monitor is gone.
    const QScreen* home = nullptr;
    qint64 shown = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect part = rect.intersected(screen->availableGeometry());
        const qint64 area = qint64(part.width()) * part.height();
        if (!part.isEmpty() && area > shown) {
            shown = area;
            home = screen;
        }
    }
    const bool onAScreen = home != nullptr;
    if (!home)
        home = QGuiApplication::primaryScreen();
    if (!home)
        return rect;
    const QRect available = home->availableGeometry();
    rect.setSize(rect.size().boundedTo(available.size()));
    if (!onAScreen) {
        rect.moveCenter(available.center());
        return rect;
    }
    if (rect.right() > available.right())
        rect.moveRight(available.right());
    if (rect.bottom() > available.bottom())
        rect.moveBottom(available.bottom());
    if (rect.left() < available.left())
        rect.moveLeft(available.left());
    if (rect.top() < available.top())
        rect.moveTop(available.top());
    return rect;
}

void RestorePlacement(QWidget& form, const QString& className, const QWidget* centreOver, const QString& iniFile)
{
    const TIniFile ini(iniPath(iniFile));
    const QString section = PlacementSection(className);
    const int left = ini.ReadInteger(section, QStringLiteral("Left"), 0);
    const int top = ini.ReadInteger(section, QStringLiteral("Top"), 0);
    const int right = ini.ReadInteger(section, QStringLiteral("Right"), 0);
    const int bottom = ini.ReadInteger(section, QStringLiteral("Bottom"), 0);
    const bool maximized = ini.ReadBool(section, QStringLiteral("Maximized"), form.isMaximized());

    // A hand-edited or damaged rectangle without area is no placement.
    if (bottom != 0 && right > left && bottom > top) {
        form.setGeometry(ReachablePlacement(QRect(QPoint(left, top), QSize(right - left, bottom - top))));
    } else {
        CenterForm(form, centreOver);
    }
    if (maximized)
        form.setWindowState(form.windowState() | Qt::WindowMaximized);
    SavePlacement(form, className, iniFile);
}

void SavePlacement(const QWidget& form, const QString& className, const QString& iniFile)
{
    const QRect normal = form.normalGeometry().isValid() ? form.normalGeometry() : form.geometry();
    TIniFile ini(iniPath(iniFile));
    ini.WriteValues(PlacementSection(className),
                    {{QStringLiteral("Left"), QString::number(normal.x())},
                     {QStringLiteral("Top"), QString::number(normal.y())},
                     {QStringLiteral("Right"), QString::number(normal.x() + normal.width())},
                     {QStringLiteral("Bottom"), QString::number(normal.y() + normal.height())},
                     {QStringLiteral("Maximized"), form.isMaximized() ? QStringLiteral("1") : QStringLiteral("0")}});
}
