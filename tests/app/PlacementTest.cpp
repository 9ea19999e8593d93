// Window placements: per-resolution sections, moving onto the screen,
// centring, maximised windows.
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <gtest/gtest.h>

#include "app/IniFile.h"
#include "app/Preferences.h"
#include "app/WindowPlacement.h"
#include "platform/ScreenMetrics.h"

namespace {

struct PlacementTest : ::testing::Test {
    void SetUp() override { QFile::remove(IniFileName()); }
    void TearDown() override
    {
        SetScreenPPIForTesting(96);
        QFile::remove(IniFileName());
    }
    QRect Stored(const QString& section) const
    {
        const TIniFile ini(IniFileName());
        const int l = ini.ReadInteger(section, QStringLiteral("Left"), -1);
        const int t = ini.ReadInteger(section, QStringLiteral("Top"), -1);
        return QRect(QPoint(l, t), QPoint(ini.ReadInteger(section, QStringLiteral("Right"), -1) - 1,
                                          ini.ReadInteger(section, QStringLiteral("Bottom"), -1) - 1));
    }
    void Store(const QString& section, QRect r, bool maximized = false)
    {
        TIniFile(IniFileName()).WriteValues(section, {{QStringLiteral("Left"), QString::number(r.left())},
                                                      {QStringLiteral("Top"), QString::number(r.top())},
                                                      {QStringLiteral("Right"), QString::number(r.left() + r.width())},
                                                      {QStringLiteral("Bottom"), QString::number(r.top() + r.height())},
                                                      {QStringLiteral("Maximized"), maximized ? QStringLiteral("1") : QStringLiteral("0")}});
    }
    QRect screen() const { return QGuiApplication::primaryScreen()->geometry(); }
};

} // namespace

TEST_F(PlacementTest, WithoutAPlacementTheWindowIsCentredAndThePlacementSavedAtOnce)
{
    QMainWindow main;
    main.resize(400, 300);
    RestorePlacement(main, QStringLiteral("TCalendarMain"));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(main.geometry().center().x(), area.center().x()) << "centred on the screen";
    EXPECT_NEAR(main.geometry().center().y(), area.center().y(), 1);
    EXPECT_EQ(Stored(QStringLiteral("TCalendarMain_Placement")), main.geometry());
    EXPECT_EQ(TIniFile(IniFileName()).ReadString(QStringLiteral("TCalendarMain_Placement"), QStringLiteral("Maximized"), QString()),
              QStringLiteral("0"));

    // A dialog without a placement is centred over the main window.
    main.setGeometry(20, 30, 500, 400);
    main.show();
    QDialog dialog;
    dialog.resize(200, 100);
    RestorePlacement(dialog, QStringLiteral("TCalendarProperties"), &main);
    EXPECT_EQ(dialog.frameGeometry().center(), main.frameGeometry().center());
}

TEST_F(PlacementTest, PlacementsAt96And120PixelsPerInchAreIndependent)
{
    Store(QStringLiteral("TCalendarMain_Placement"), QRect(10, 20, 300, 200));
    Store(QStringLiteral("TCalendarMain_Placement120"), QRect(40, 50, 360, 240));

    QMainWindow main;
    SetScreenPPIForTesting(120);
    EXPECT_EQ(PlacementSection(QStringLiteral("TCalendarMain")), QStringLiteral("TCalendarMain_Placement120"));
    RestorePlacement(main, QStringLiteral("TCalendarMain"));
    EXPECT_EQ(main.geometry(), QRect(40, 50, 360, 240));
    main.setGeometry(60, 70, 380, 260);
    SavePlacement(main, QStringLiteral("TCalendarMain"));

    SetScreenPPIForTesting(96);
    RestorePlacement(main, QStringLiteral("TCalendarMain"));
    EXPECT_EQ(main.geometry(), QRect(10, 20, 300, 200));
    EXPECT_EQ(Stored(QStringLiteral("TCalendarMain_Placement120")), QRect(60, 70, 380, 260));
    EXPECT_EQ(Stored(QStringLiteral("TCalendarMain_Placement")), QRect(10, 20, 300, 200));
}

TEST_F(PlacementTest, APlacementOffOrLargerThanTheScreenComesBackWhereItCanBeReached)
{
    const QRect s = QGuiApplication::primaryScreen()->availableGeometry();
    QMainWindow main;
    // Past the right and bottom edges: moved back so those edges are the screen's.
    Store(QStringLiteral("TCalendarMain_Placement"), QRect(s.right() - 100, s.bottom() - 50, 300, 200));
    RestorePlacement(main, QStringLiteral("TCalendarMain"));
    EXPECT_EQ(main.geometry(), QRect(s.right() - 299, s.bottom() - 199, 300, 200));

    // Past the left and top edges: moved in, the title bar within reach.
    Store(QStringLiteral("TCalendarMain_Placement"), QRect(s.left() - 250, s.top() - 120, 300, 200));
    RestorePlacement(main, QStringLiteral("TCalendarMain"));
    EXPECT_EQ(main.geometry(), QRect(s.left(), s.top(), 300, 200));

    // Larger than the screen: the available area.
    Store(QStringLiteral("TCalendarMain_Placement"), QRect(100, 50, s.width() + 200, s.height() + 100));
    RestorePlacement(main, QStringLiteral("TCalendarMain"));
    EXPECT_EQ(main.geometry(), s);
    EXPECT_EQ(Stored(QStringLiteral("TCalendarMain_Placement")), main.geometry());

    // On a monitor that is gone: centred on the primary screen.
    Store(QStringLiteral("TCalendarMain_Placement"), QRect(s.right() + 5000, 40, 300, 200));
    RestorePlacement(main, QStringLiteral("TCalendarMain"));
    EXPECT_EQ(main.geometry().size(), QSize(300, 200));
    EXPECT_EQ(main.geometry().center(), s.center());
}

TEST_F(PlacementTest, AMaximisedWindowKeepsItsNormalRectangle)
{
    Store(QStringLiteral("TFloatingPalette_Placement"), QRect(30, 40, 200, 300), true);
    QMainWindow palette;
    RestorePlacement(palette, QStringLiteral("TFloatingPalette"));
    palette.show();
    EXPECT_TRUE(palette.isMaximized());
    EXPECT_EQ(palette.normalGeometry(), QRect(30, 40, 200, 300));
    SavePlacement(palette, QStringLiteral("TFloatingPalette"));
    EXPECT_EQ(Stored(QStringLiteral("TFloatingPalette_Placement")), QRect(30, 40, 200, 300));
    EXPECT_TRUE(TIniFile(IniFileName()).ReadBool(QStringLiteral("TFloatingPalette_Placement"), QStringLiteral("Maximized"), false));

    // A damaged rectangle (no area) counts as none: centred, not shrunk to nothing.
    TIniFile(IniFileName()).WriteValues(QStringLiteral("TCalendarProperties_Placement"),
                                        {{QStringLiteral("Left"), QStringLiteral("500")},
                                         {QStringLiteral("Right"), QStringLiteral("100")},
                                         {QStringLiteral("Bottom"), QStringLiteral("300")}});
    QDialog dialog;
    dialog.resize(200, 100);
    RestorePlacement(dialog, QStringLiteral("TCalendarProperties"));
    EXPECT_EQ(dialog.size(), QSize(200, 100));
}
