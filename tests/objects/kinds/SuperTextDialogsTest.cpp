#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "SuperTextKit.h"
#include "objects/kinds/SuperTextBrushImageBrowser.h"
#include "objects/kinds/SuperTextGetSymbol.h"
#include "objects/kinds/SuperTextProperties.h"
#include "objects/kinds/SymbolFonts.h"
#include "platform/ProgramFolder.h"

using namespace supertext;

namespace {

// Restores every dialog seam when a test ends.
struct DialogSeams {
    ~DialogSeams()
    {
        TSuperTextProperties::SetExecForTesting({});
        TSuperTextBrushImageBrowser::SetExecForTesting({});
        TSuperTextGetSymbol::SetExecForTesting({});
        TSuperTextGetSymbol::SetSymbolFontsForTesting({});
        SetProgramFolderForTesting(vellumy::test::DefaultProgramFolder());
    }
};

template <class T>
T* child(QWidget& dialog, const char* name)
{
    T* found = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

} // namespace

// The properties dialog edits a sample; OK copies it back (size excepted),
// an empty text keeps the dialog open, the font buttons stop at 150 and 10.
TEST_F(SuperTextTest, PropertiesDialogEditsASampleAndCopiesItBackOnOk)
{
    DialogSeams seams;
    vellumy::test::MessageBoxScript boxes;
    object->SetBounds(10, 10, 200, 70);
    int sampleWidthSeen = 0;
    TSuperTextProperties::SetExecForTesting([&](TSuperTextProperties& dialog) {
        auto* caption = child<QLineEdit>(dialog, "CaptionText");
        EXPECT_EQ(caption->text(), "Text");
        EXPECT_EQ(caption->font().family(), "Arial");
        EXPECT_EQ(dialog.Sample()->size(), QSize(200, 70));

        caption->clear();
        dialog.OkClick();
        EXPECT_EQ(boxes.lastText(), "Please enter some text");
        EXPECT_EQ(dialog.result(), QDialog::Rejected);

        QTest::keyClicks(caption, QStringLiteral("June"));
        EXPECT_EQ(dialog.Sample()->Caption(), "June");
        dialog.TimerTick();  // the pending fit runs on the timer
        sampleWidthSeen = dialog.Sample()->Width();

        dialog.SurfaceTypeChosen(stBrushImage);
        EXPECT_EQ(dialog.Sample()->Image(), TSuperTextProperties::DefaultTexture());
        EXPECT_TRUE(child<QWidget>(dialog, "ImagePanel")->isVisibleTo(&dialog));
        EXPECT_FALSE(child<QWidget>(dialog, "FillPanel")->isVisibleTo(&dialog));

        child<QSpinBox>(dialog, "ShadowDepthSpinner")->setValue(7);
        child<QComboBox>(dialog, "OutlineStyleCombo")->setCurrentIndex(2);
        child<QComboBox>(dialog, "OutlineStyleCombo")->activated(2);
        for (int i = 0; i < 40; ++i)
            child<QToolButton>(dialog, "RapidChangeFontSizeUp")->click();
        EXPECT_EQ(dialog.Sample()->Font().Size(), 150);
        for (int i = 0; i < 40; ++i)
            dialog.FontSizeDown();
        EXPECT_EQ(dialog.Sample()->Font().Size(), 10);
        dialog.FontSizeUp();
        for (int i = 0; i < 6; ++i)
            dialog.FontSizeUp();
        vellumy::test::SaveForInspection(dialog.grab().toImage(), QStringLiteral("supertext-properties.png"));
        for (int i = 0; i < 6; ++i)
            dialog.FontSizeDown();
        dialog.OkClick();
        return dialog.result();
    });
    object->ShowProperties();
    EXPECT_GT(sampleWidthSeen, 0);
    EXPECT_EQ(object->Caption(), "June");
    EXPECT_EQ(object->SurfaceType(), stBrushImage);
    EXPECT_EQ(object->Image(), TSuperTextProperties::DefaultTexture());
    EXPECT_EQ(object->ShadowDepth(), 7);
    EXPECT_EQ(object->OutlineStyle(), psDot);
    EXPECT_EQ(object->Font().Size(), 15);
    EXPECT_EQ(object->Width(), 200);

    // Cancel changes nothing.
    TSuperTextProperties::SetExecForTesting([](TSuperTextProperties& dialog) {
        dialog.Sample()->SetCaption(QStringLiteral("Other"));
        dialog.SurfaceTypeChosen(stNormal);
        return int(QDialog::Rejected);
    });
    object->ShowProperties();
    EXPECT_EQ(object->Caption(), "June");
    EXPECT_EQ(object->SurfaceType(), stBrushImage);
    EXPECT_FALSE(object->Image().isNull());
}

TEST_F(SuperTextTest, TextureBrowserStartsWhereTexturesAreAndLoadsThem)
{
    DialogSeams seams;
    vellumy::test::MessageBoxScript boxes;
    QTemporaryDir folder;
    const QDir data(folder.path());
    SetProgramFolderForTesting(folder.path());
    const auto same = [](const QString& a, const QString& b) { return QDir(a).canonicalPath() == QDir(b).canonicalPath(); };
    EXPECT_TRUE(same(TSuperTextBrushImageBrowser::StartFolder({}), folder.path()));
    data.mkdir(QStringLiteral("Textures"));
    EXPECT_TRUE(same(TSuperTextBrushImageBrowser::StartFolder({}), data.filePath("Textures")));
    data.mkdir(QStringLiteral("bmbrush"));
    EXPECT_TRUE(same(TSuperTextBrushImageBrowser::StartFolder({}), data.filePath("bmbrush")));
    EXPECT_TRUE(same(TSuperTextBrushImageBrowser::StartFolder(data.filePath("gone/x.bmp")), data.filePath("bmbrush")));

    // A texture of the build's shipped set, and a broken file beside it.
    const QString shipped = vellumy::test::DefaultProgramFolder() + QStringLiteral("/Textures/Marble.bmp");
    ASSERT_TRUE(QFile::exists(shipped)) << "the build draws Textures/";
    const QString mine = data.filePath(QStringLiteral("Textures/MARBLE.BMP"));
    ASSERT_TRUE(QFile::copy(shipped, mine));
    QFile broken(data.filePath(QStringLiteral("Textures/broken.bmp")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("BM not a bitmap");
    broken.close();
    EXPECT_TRUE(same(TSuperTextBrushImageBrowser::StartFolder(mine), data.filePath("Textures")));

    object->SetSurfaceType(stBrushImage);
    object->SetImage(TSuperTextProperties::DefaultTexture());
    TSuperTextProperties properties;
    properties.Sample()->AssignFrom(*object);
    properties.SetLastBitmapFileNameandPath(mine);
    TSuperTextBrushImageBrowser::SetExecForTesting([&](TSuperTextBrushImageBrowser& browser) {
        EXPECT_TRUE(same(browser.Folder(), data.filePath("Textures")));
        EXPECT_EQ(browser.ChosenFile(), mine);  // the last texture is chosen again
        EXPECT_EQ(browser.SuperTextExample()->Image().size(), QSize(128, 128));
        browser.ChooseFile(QStringLiteral("broken.bmp"));
        EXPECT_EQ(boxes.lastText(), "Error loading file!");
        EXPECT_TRUE(browser.SuperTextExample()->Image().isNull());
        browser.ChooseFile(QStringLiteral("MARBLE.BMP"));
        vellumy::test::SaveForInspection(browser.grab().toImage(), QStringLiteral("supertext-texture-browser.png"));
        return int(QDialog::Accepted);
    });
    properties.LoadTextureClick();
    EXPECT_EQ(properties.Sample()->Image().size(), QSize(128, 128));
    EXPECT_EQ(properties.LastUsedImage(), properties.Sample()->Image());
    EXPECT_EQ(properties.LastBitmapFileNameandPath(), mine);
}

TEST_F(SuperTextTest, SymbolPickerListsSymbolFontsAndSetsTheText)
{
    DialogSeams seams;
    vellumy::test::MessageBoxScript boxes;
    TSuperTextGetSymbol::SetSymbolFontsForTesting([] { return QStringList(); });
    {
        TSuperTextGetSymbol picker;
        EXPECT_EQ(picker.Run(), int(QDialog::Rejected));
        EXPECT_EQ(boxes.lastText(), "No Symbol fonts installed");
    }
    TSuperTextGetSymbol::SetSymbolFontsForTesting({});
    const QStringList installed = InstalledSymbolFonts();
    if (installed.isEmpty())
        GTEST_SKIP() << "no symbol font is installed";

    TSuperTextProperties properties;
    TSuperTextGetSymbol::SetExecForTesting([&](TSuperTextGetSymbol& picker) {
        EXPECT_EQ(picker.findChild<QComboBox*>(QStringLiteral("SymbolSets"))->count(), installed.size());
        picker.SelectFont(installed.first());
        picker.SelectCode(0x41);
        vellumy::test::SaveForInspection(picker.grab().toImage(), QStringLiteral("supertext-symbols.png"));
        return int(QDialog::Accepted);
    });
    properties.SelectSymbolClick();
    EXPECT_EQ(properties.findChild<QLineEdit*>(QStringLiteral("CaptionText"))->text(), "A");
    EXPECT_EQ(properties.Sample()->Caption(), "A");
    EXPECT_EQ(properties.Sample()->Font().Name(), installed.first());
    // The sample draws a glyph the font really holds for code 0x41.
    properties.Sample()->Layout();
    EXPECT_FALSE(properties.Sample()->LetterPath().isEmpty());
}
