// Documents laid out byte by byte, as older and current versions of the file
// format hold them, read into a page.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <limits>
#include <memory>

#include "DocumentTestSupport.h"
#include "TestSupport.h"
#include "page/CalendarPanel32.h"
#include "persist/FilerError.h"
#include "persist/ObjectReader.h"
#include "platform/ProgramFolder.h"
#include "platform/Rounding.h"
#include "richtext/WPRtfStorage.h"

using namespace doctest;

namespace {

struct ObjectRecord {
    QByteArray name;
    int left, top, width, height;
    QString caption;
    QByteArray onActivate;
};

struct DocumentContent {
    int version = 4;
    StyleValues style;
    QString border;
    int day = 14, month = 7, year = 2031, startOfWeek = 2, hour = 7, minute = 30;
    QMap<int, QByteArray> cells;   // cell index -> RTF
    QString userTitle = "Our summer";
    QList<ObjectRecord> objects;
};

QByteArray documentBytes(const DocumentContent& c)
{
    Bytes b;
    b.listBegin().integer(c.version).integer(1);
    appendStyleBlock(b, c.style);
    if (c.version >= 4)
        b.string(c.border);
    b.integer(c.day).integer(c.month).integer(c.year).integer(c.startOfWeek).integer(c.hour).integer(c.minute);
    for (int i = 1; i <= 42; ++i)
        b.cellRecord(c.cells.value(i));
    if (c.version >= 2)
        b.string(c.userTitle);
    b.listEnd();
    if (c.version >= 3) {
        b.listBegin();
        for (const ObjectRecord& o : c.objects)
            appendShapeRecord(b, o.name, o.left, o.top, o.width, o.height, o.caption, o.onActivate);
        b.listEnd();
    }
    return b.data();
}

QByteArray styleSheetBytes(int version, const StyleValues& style, const QString& border = QString())
{
    Bytes b;
    b.listBegin().integer(version).integer(2);
    appendStyleBlock(b, style);
    if (version >= 4)
        b.string(border);
    b.listEnd();
    return b.data();
}

// The owner of the page and of the objects it reads, as the main window is.
struct Fixture {
    Fixture()
    {
        TDocTestShape::Register();
        page = new TCalendarPanel32(&owner);
        page->BorderPictureLoader = [](const QString&) { return true; };
    }
    void load(const QByteArray& bytes, QString* objectListError = nullptr)
    {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        TObjectReader reader(buffer);
        page->ReadDocument(reader, &owner, objectListError);
    }
    void loadStyleSheet(const QByteArray& bytes)
    {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        TObjectReader reader(buffer);
        page->ReadStyleSheet(reader);
    }
    QList<TDocTestShape*> shapes() const
    {
        QList<TDocTestShape*> list;
        for (TGGraphicControl* object : page->PageObjects())
            if (auto* shape = dynamic_cast<TDocTestShape*>(object))
                list.append(shape);
        return list;
    }
    QByteArray cellRtf(int i) const { return page->CellTexts(i)->RtfText().RtfBytes(); }

    TComponent owner;
    TCalendarPanel32* page;
};

// A program folder whose Borders folder holds one border in both orientations.
class BorderFolder {
public:
    BorderFolder()
    {
        QDir(dir_.path()).mkdir("Borders");
        for (const char* name : {"Borders/Holly.wpo", "Borders/Holly.wls"}) {
            QFile file(dir_.filePath(name));
            file.open(QIODevice::WriteOnly);
            file.write("x");
        }
        SetProgramFolderForTesting(dir_.path());
    }
    ~BorderFolder() { SetProgramFolderForTesting(vellumy::test::DefaultProgramFolder()); }

private:
    QTemporaryDir dir_;
};

void expectFont(const TFont& font, const FontValues& v)
{
    EXPECT_EQ(font.Name(), v.name);
    EXPECT_EQ(font.Size(), v.size);
    EXPECT_EQ(font.HasStyle(TFont::fsBold), v.bold);
    EXPECT_EQ(font.HasStyle(TFont::fsItalic), v.italic);
    EXPECT_EQ(font.HasStyle(TFont::fsUnderline), v.underline);
    EXPECT_EQ(font.HasStyle(TFont::fsStrikeOut), v.strikeOut);
    EXPECT_EQ(font.Color(), v.color);
}

// Every value of the style block landed in its field, the borders as the
// file has them rather than as the line layouts would preset them.
void expectStyle(const TCalendarPanel32& page, const StyleValues& s)
{
    EXPECT_TRUE(page.PaperSizeA4());
    EXPECT_EQ(page.CalendarLayout(), loFC12AfterLS);
    EXPECT_EQ(page.CalendarOrientation(), coLandscape);
    EXPECT_FLOAT_EQ(page.LeftMarginInch(), 0.33f);
    EXPECT_FLOAT_EQ(page.TopMarginInch(), 0.75f);
    EXPECT_FLOAT_EQ(page.RightMarginInch(), 1.2f);
    EXPECT_FLOAT_EQ(page.BottomMarginInch(), 0.07f);
    EXPECT_EQ(page.CalendarBorder(), cbTopBottom);
    EXPECT_EQ(page.CalendarLineLayout(), llCellsOnly);
    for (int m = 1; m <= 12; ++m) {
        QString name;
        page.GetMonthName(m, name);
        EXPECT_EQ(name, s.monthNames[m - 1]);
    }
    for (int d = 1; d <= 7; ++d) {
        QString name;
        page.GetDayName(d, name);
        EXPECT_EQ(name, s.dayNames[d - 1]);
    }
    EXPECT_EQ(page.TitleBGColor(), s.titleBGColor);
    expectFont(page.TitleFont(), s.titleFont);
    EXPECT_FALSE(page.TitleShowYear());
    expectFont(page.HeadersFont(), s.headersFont);
    EXPECT_EQ(page.HeadersBorder(), cbTop);
    EXPECT_EQ(page.HeadersStyle(), dsWhole);
    EXPECT_EQ(page.HeadersBGColor(), TColors::clInfoBk);
    expectFont(page.CellFont(), s.cellFont);
    EXPECT_EQ(page.CellBorder(), cbBottom);
    EXPECT_EQ(page.MiniCalendarLineLayout(), mllMinimal);
    EXPECT_EQ(page.MiniCalBorder(), cbNone);
    EXPECT_EQ(page.MiniCalBGColor(), TColors::clSilver);
    EXPECT_FALSE(page.MiniShowYear());
    expectFont(page.MiniTitleFont(), s.miniTitleFont);
    expectFont(page.MiniHeadersFont(), s.miniHeadersFont);
    EXPECT_EQ(page.MiniHeadersBGColor(), TColors::clYellow);
    EXPECT_EQ(page.MiniHeadersStyle(), dsThreeChars);
    EXPECT_EQ(page.MiniHeadersBorder(), cbAll);
    EXPECT_EQ(page.MiniCellBorder(), cbTopBottom);
    expectFont(page.MiniCellFont(), s.miniCellFont);
    EXPECT_EQ(page.NumberPosition(), cnpCenter);
}

QString errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EFilerError& e) {
        return e.Message();
    }
    return QString();
}

} // namespace

TEST(DocumentFormat, VersionOneHasStyleDateAndCellsOnly)
{
    Fixture f;
    f.page->SetUserTitle("kept");
    DocumentContent c;
    c.version = 1;
    c.cells[1] = rtfText("first");
    c.cells[42] = rtfText("last");
    f.load(documentBytes(c));

    expectStyle(*f.page, c.style);
    EXPECT_EQ(f.page->MainCalDay(), 14);
    EXPECT_EQ(f.page->MainCalMonth(), 7);
    EXPECT_EQ(f.page->MainCalYear(), 2031);
    EXPECT_EQ(f.page->StartOfWeek(), 2);
    EXPECT_EQ(f.page->DayStartTime(), QTime(7, 30));
    EXPECT_EQ(f.cellRtf(1), rtfText("first"));
    EXPECT_EQ(f.cellRtf(42), rtfText("last"));
    EXPECT_TRUE(f.page->CellTexts(2)->IsEmpty());
    // No title in the file: the page's stays.
    EXPECT_EQ(f.page->UserTitle(), "kept");
    EXPECT_TRUE(f.page->WMFBorderFile().isEmpty());
    EXPECT_TRUE(f.page->PageObjects().isEmpty());
    // The layout pass ran for what was read.
    EXPECT_EQ(f.page->PageWidthPx(), 1122);   // A4 landscape: Round(96 x 11.69)
    EXPECT_EQ(f.page->PageHeightPx(), 794);
}

TEST(DocumentFormat, VersionTwoAddsTheTitleButNoBorderOrObjects)
{
    BorderFolder borders;
    Fixture f;
    f.page->SetWMFBorderFile("Holly");
    ASSERT_EQ(f.page->WMFBorderFile(), "Holly");
    DocumentContent c;
    c.version = 2;
    f.load(documentBytes(c));
    EXPECT_EQ(f.page->UserTitle(), "Our summer");
    EXPECT_TRUE(f.page->WMFBorderFile().isEmpty());
    EXPECT_TRUE(f.page->PageObjects().isEmpty());
    expectStyle(*f.page, c.style);
}

TEST(DocumentFormat, VersionThreeReadsObjectsUnderNewNames)
{
    Fixture f;
    // The owner already holds a Component0: the first object gets 1.
    TComponent other(&f.owner);
    other.SetName("Component0");
    DocumentContent c;
    c.version = 3;
    c.objects = {{"Label1", 10, 20, 30, 40, "back", "NoSuchHandler"},
                 {"Component1", 50, 60, 70, 80, "front", {}}};
    QString listError = "untouched";
    f.load(documentBytes(c), &listError);
    EXPECT_TRUE(listError.isEmpty());

    const QList<TDocTestShape*> shapes = f.shapes();
    ASSERT_EQ(shapes.size(), 2);
    EXPECT_EQ(shapes[0]->Name(), "Component1");
    EXPECT_EQ(shapes[1]->Name(), "Component2");
    EXPECT_EQ(shapes[0]->Caption(), "back");
    EXPECT_EQ(shapes[1]->Caption(), "front");
    EXPECT_EQ(shapes[0]->BoundsRect(), QRect(10, 20, 30, 40));
    EXPECT_EQ(shapes[1]->BoundsRect(), QRect(50, 60, 70, 80));
    for (TDocTestShape* shape : shapes) {
        EXPECT_EQ(shape->Owner(), &f.owner);
        EXPECT_EQ(shape->parentWidget(), f.page);
        EXPECT_EQ(shape->LoadedCount(), 1);
        EXPECT_FALSE(shape->IsLoading());
        EXPECT_FALSE(shape->isHidden());
    }
    // The owner knows no such method: the event stays empty, without error.
    EXPECT_TRUE(shapes[0]->OnActivateName().isEmpty());
    EXPECT_TRUE(f.page->WMFBorderFile().isEmpty());
}

TEST(DocumentFormat, AFirstObjectIsComponentZero)
{
    Fixture f;
    DocumentContent c;
    c.objects = {{"Label1", 1, 2, 3, 4, "x", {}}};
    f.load(documentBytes(c));
    ASSERT_EQ(f.shapes().size(), 1);
    EXPECT_EQ(f.shapes()[0]->Name(), "Component0");
}

TEST(DocumentFormat, VersionFourBorderAndLaterVersionsReadAsFour)
{
    BorderFolder borders;
    for (int version : {4, 9}) {
        Fixture f;
        DocumentContent c;
        c.version = version;
        c.border = "Holly";
        c.objects = {{"Label1", 1, 2, 3, 4, "x", {}}};
        f.load(documentBytes(c));
        EXPECT_EQ(f.page->WMFBorderFile(), "Holly") << version;
        EXPECT_EQ(f.page->UserTitle(), "Our summer");
        EXPECT_EQ(f.shapes().size(), 1);
        expectStyle(*f.page, c.style);
        // The border's allowance went into the layout: the grid starts later.
        EXPECT_GT(f.page->MainCalRect().left, roundHalfEven(96 * 0.33f) + 40);
    }
}

TEST(DocumentFormat, CellRecordsReplaceTheCellsTexts)
{
    Fixture f;
    TWPRtfText old(rtfText("old"));
    for (int i = 1; i <= 42; ++i)
        f.page->CellTexts(i)->SetRtfText(old);
    DocumentContent c;
    // RTF of another writer, with bytes our writer would never produce:
    // handed back exactly.
    const QByteArray foreign = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss Arial;}}\r\n"
                               "\\viewkind4\\uc1\\pard\\f0\\fs20 Caf\\'e9 \\b bold\\b0\\par\r\n}\r\n";
    c.cells[5] = foreign;
    c.cells[6] = rtfText("six");
    f.load(documentBytes(c));
    EXPECT_EQ(f.cellRtf(5), foreign);
    EXPECT_EQ(f.cellRtf(6), rtfText("six"));
    EXPECT_TRUE(f.page->CellTexts(1)->IsEmpty());
    EXPECT_TRUE(f.page->CellTexts(42)->IsEmpty());
    EXPECT_TRUE(f.page->CellTexts(5)->RtfText().SharedDocument()->toPlainText().contains("Café bold"));
}

TEST(DocumentFormat, ACutObjectListKeepsTheObjectsBeforeTheBreak)
{
    DocumentContent c;
    c.objects = {{"A", 1, 1, 10, 10, "one", {}}, {"B", 2, 2, 10, 10, "two", {}}, {"C", 3, 3, 10, 10, "three", {}}};
    const QByteArray whole = documentBytes(c);
    // Where the third record starts, and a cut in the middle of its caption.
    const qsizetype third = whole.lastIndexOf("TPF0");
    const qsizetype insideThird = whole.lastIndexOf("three") + 2;
    for (qsizetype cut : {third, insideThird, qsizetype(whole.size() - 1)}) {
        Fixture f;
        QString listError;
        f.load(whole.left(cut), &listError);   // no exception
        EXPECT_EQ(listError, "Stream read error") << cut;
        const QList<TDocTestShape*> shapes = f.shapes();
        // A record cut off inside is not shown half-read.
        ASSERT_EQ(shapes.size(), cut == whole.size() - 1 ? 3 : 2) << cut;
        EXPECT_EQ(shapes[1]->Caption(), "two");
        EXPECT_EQ(f.page->UserTitle(), "Our summer");
    }

    // An unknown class ends the list as well; what came before stays.
    Bytes b;
    b.append(whole.left(third)).append("TPF0").shortStr("TNoSuchKind").shortStr("X").tag(0).tag(0).listEnd();
    Fixture f;
    QString listError;
    f.load(b.data(), &listError);
    EXPECT_EQ(listError, "Class TNoSuchKind not found");
    EXPECT_EQ(f.shapes().size(), 2);
    EXPECT_EQ(f.owner.ComponentCount(), 3);   // the page and the two objects
}

TEST(DocumentFormat, ErrorsBeforeTheObjectListReachTheCaller)
{
    DocumentContent c;
    c.cells[3] = rtfText("three");
    const QByteArray whole = documentBytes(c);

    // Cut inside the cell records: the style and date read so far stay.
    Fixture f;
    const qsizetype cut = whole.indexOf("three");
    EXPECT_EQ(errorOf([&] { f.load(whole.left(cut)); }), "Stream read error");
    EXPECT_EQ(f.page->CalendarLayout(), loFC12AfterLS);
    EXPECT_EQ(f.page->MainCalYear(), 2031);
    // ... and the page was laid out for them.
    EXPECT_EQ(f.page->PageWidthPx(), 1122);

    // A value of the wrong kind (a string where the year belongs).
    Bytes b;
    b.listBegin().integer(4).integer(1);
    appendStyleBlock(b, c.style);
    b.string("").integer(1).integer(2).string("1999");
    Fixture g;
    EXPECT_EQ(errorOf([&] { g.load(b.data()); }), "Invalid property value");

    // Not a calendar file at all.
    Fixture h;
    EXPECT_EQ(errorOf([&] { h.load("TPF0\x0bTSomething"); }), "Invalid property value");
    EXPECT_EQ(errorOf([&] { h.load(QByteArray()); }), "Stream read error");
    EXPECT_EQ(errorOf([&] { h.page->LoadDocument("/nonexistent/file.QXF", &h.owner); }), "Stream read error");
}

TEST(DocumentFormat, OutOfRangeValuesKeepTheFieldsUsable)
{
    Fixture f;
    DocumentContent c;
    c.style.layout = 99;
    c.style.headersStyle = -1;
    c.style.numberPosition = 7;
    c.month = 13;
    c.hour = 25;
    c.style.titleFont.name = QString(300, QLatin1Char('N'));
    f.load(documentBytes(c));
    EXPECT_EQ(f.page->TitleFont().Name(), QString(255, QLatin1Char('N')));
    // Unusable values are not taken; the rest of the file is.
    EXPECT_EQ(f.page->CalendarLayout(), loFullCalendar);
    EXPECT_EQ(f.page->HeadersStyle(), dsThreeChars);
    EXPECT_EQ(f.page->NumberPosition(), cnpUpperRight);
    EXPECT_EQ(f.page->MainCalMonth(), 1);
    EXPECT_EQ(f.page->DayStartTime(), QTime(8, 0));
    EXPECT_EQ(f.page->MainCalYear(), 2031);
    EXPECT_EQ(f.page->UserTitle(), "Our summer");
    EXPECT_FALSE(f.page->DrawPage().isNull());

    // Margins far outside the paper, and extreme dates, still draw.
    for (const std::array<int, 4>& margins : {std::array<int, 4>{-30000, 2000000000, 900, 0},
                                              std::array<int, 4>{1100, 1200, -2000000000, 2000000000}}) {
        Fixture g;
        DocumentContent d;
        d.style.margins = margins;
        d.year = std::numeric_limits<int>::max(); // twelve mini months after it would overflow
        d.day = -5;
        d.startOfWeek = 40;
        const int yearBefore = g.page->MainCalYear(), dayBefore = g.page->MainCalDay();
        g.load(documentBytes(d));
        EXPECT_EQ(g.page->MainCalYear(), yearBefore);
        EXPECT_EQ(g.page->MainCalDay(), dayBefore);
        EXPECT_EQ(g.page->StartOfWeek(), 1);
        EXPECT_EQ(g.page->MainCalMonth(), 7);
        EXPECT_FALSE(g.page->DrawPage().isNull());
    }
}

TEST(DocumentFormat, StyleSheetsAndDocumentsOpenedAsTheOtherFail)
{
    StyleValues style;

    // A style sheet read as a document: a list end where the day belongs.
    Fixture f;
    EXPECT_EQ(errorOf([&] { f.load(styleSheetBytes(4, style)); }), "Invalid property value");
    EXPECT_EQ(f.page->CalendarLayout(), loFC12AfterLS);

    // A document read as a style sheet: its style is applied, then the final
    // list end is missing.
    DocumentContent c;
    c.style.layout = 19;   // lo2Week
    Fixture g;
    g.page->SetUserTitle("mine");
    EXPECT_EQ(errorOf([&] { g.loadStyleSheet(documentBytes(c)); }), "Invalid property value");
    EXPECT_EQ(g.page->CalendarLayout(), lo2Week);
    EXPECT_TRUE(g.page->PlannerMode());
    EXPECT_EQ(g.page->UserTitle(), "mine");
    EXPECT_EQ(g.page->MainCalYear(), 1997);
}

TEST(StyleSheetFormat, OldAndNewStyleSheetsLeaveDateCellsTitleAndObjects)
{
    BorderFolder borders;
    for (int version : {3, 4}) {
        Fixture f;
        f.page->SetMainCalMonth(5);
        f.page->SetMainCalYear(2024);
        f.page->SetDayStartTime(QTime(9, 15));
        f.page->SetUserTitle("title");
        f.page->CellTexts(9)->SetRtfText(TWPRtfText(rtfText("nine")));
        new TDocTestShape(&f.owner, f.page);
        f.page->SetWMFBorderFile("Holly");

        StyleValues style;
        f.loadStyleSheet(styleSheetBytes(version, style, "Holly"));
        expectStyle(*f.page, style);
        EXPECT_EQ(f.page->MainCalMonth(), 5);
        EXPECT_EQ(f.page->MainCalYear(), 2024);
        EXPECT_EQ(f.page->DayStartTime(), QTime(9, 15));
        EXPECT_EQ(f.page->UserTitle(), "title");
        EXPECT_EQ(f.cellRtf(9), rtfText("nine"));
        EXPECT_EQ(f.page->PageObjects().size(), 1);
        // A version 3 sheet has no border: the page's is cleared.
        EXPECT_EQ(f.page->WMFBorderFile(), version == 4 ? "Holly" : "") << version;
        EXPECT_EQ(f.page->PageWidthPx(), 1122);
    }
}

TEST(DocumentFormat, DamagedDocumentsFailCleanly)
{
    // Bytes changed at random places, also in lengths, counts and tags: every
    // load either succeeds or raises the stream's error, and the page can be
    // drawn afterwards.
    DocumentContent c;
    c.cells[3] = rtfText("three");
    c.objects = {{"A", 1, 1, 10, 10, "one", {}}, {"B", 2, 2, 10, 10, "two", {}}};
    const QByteArray original = documentBytes(c);
    quint32 seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    for (int round = 0; round < 150; ++round) {
        QByteArray bytes = original;
        const int changes = 1 + int(next() % 4);
        for (int k = 0; k < changes; ++k)
            bytes[next() % bytes.size()] = char(next() & 0xFF);
        if (round % 3 == 0)
            bytes.truncate(next() % bytes.size());
        Fixture f;
        try {
            f.load(bytes);
        } catch (const EFilerError&) {
        }
        EXPECT_FALSE(f.page->DrawPage().isNull()) << round;
        for (TGGraphicControl* object : f.page->PageObjects())
            EXPECT_FALSE(object->IsLoading()) << round;
    }
}
