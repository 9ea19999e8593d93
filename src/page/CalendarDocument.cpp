// Calendar documents (.QXF) and style sheets (.QXS): the page's own values in
// a fixed order, its 42 cell texts as component records and its page objects
// as a second list of records, all in the object stream.
#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <exception>
#include <memory>
#include <optional>

#include "page/CalendarDates.h"
#include "page/CalendarPanel32.h"
#include "persist/FilerError.h"
#include "persist/ObjectReader.h"
#include "persist/ObjectWriter.h"
#include "platform/Rounding.h"
#include "richtext/WPRtfStorage.h"

namespace {

// Written into every file; readers take anything above it as this version.
constexpr int CurrentFormatVersion = 4;
constexpr int DocumentFileKind = 1;
constexpr int StyleSheetFileKind = 2;

// File format versions: what each added.
constexpr int FirstVersionWithUserTitle = 2;
constexpr int FirstVersionWithObjects = 3;
constexpr int FirstVersionWithBorder = 4;

constexpr int MaxFontNameLength = 255;
// Page objects read from a document are named "Component" + the smallest free
// number up to this one.
constexpr int LastComponentNumber = 1000;

// Enumerations arrive as plain integers: a value outside the type keeps the
// field as it was (the drawing indexes tables by these values).
template <class E>
void storeOrdinal(E& field, int value, int last)
{
    if (value >= 0 && value <= last)
        field = E(value);
}

// Margins travel as whole hundredths of an inch.
int marginHundredths(float inches)
{
    return roundHalfEven(double(inches) * 100.0);
}

float marginFromHundredths(int hundredths)
{
    return float(hundredths * 0.01);
}

// Restores a reader's naming and method rules when the page-object list ends,
// however it ends.
class ObjectListRules {
public:
    explicit ObjectListRules(TObjectReader& reader)
        : reader_(reader), onSetName_(reader.OnSetName), ignoreMissing_(reader.IgnoreMissingMethods)
    {
    }
    ~ObjectListRules()
    {
        reader_.OnSetName = onSetName_;
        reader_.IgnoreMissingMethods = ignoreMissing_;
    }
    ObjectListRules(const ObjectListRules&) = delete;
    ObjectListRules& operator=(const ObjectListRules&) = delete;

private:
    TObjectReader& reader_;
    std::function<QString(TComponent&, const QString&)> onSetName_;
    bool ignoreMissing_;
};

void openForReading(QFile& file)
{
    // A file that cannot be opened fails like one that ends at once.
    if (!file.open(QIODevice::ReadOnly))
        throw EFilerError(EFilerError::ReadError);
}

// Writes through a temporary file in the target's folder that replaces the
// target only when everything arrived; anything less leaves the target as it was.
template <class WriteContent>
bool saveReplacing(const QString& path, QString* error, WriteContent writeContent)
{
    QSaveFile file(path);
    const auto failed = [&](const QString& reason) {
        file.cancelWriting();
        if (error)
            *error = reason;
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    try {
        TObjectWriter writer(file);
        writeContent(writer);
        writer.FlushBuffer();
    } catch (const EFilerError& e) {
        return failed(e.Message());
    } catch (const std::exception& e) {
        return failed(QString::fromLocal8Bit(e.what()));
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QString readPageObjects(TObjectReader& reader, TCalendarPanel32& page, TComponent* owner)
{
    ObjectListRules rules(reader);
    // Names in the file are dropped: they could clash with the owner's own
    // components. Only names are added while the list is read, so the next
    // free number is never below the last one given.
    int nextNumber = 0;
    // The names in use, case-folded, collected once: nothing is scanned per record.
    std::optional<QSet<QString>> takenNames;
    reader.OnSetName = [&page, owner, &nextNumber, &takenNames](TComponent& component, const QString&) {
        if (!takenNames) {
            takenNames.emplace();
            if (owner) {
                for (const TComponent* other : owner->Components())
                    if (other != &component && !other->Name().isEmpty())
                        takenNames->insert(other->Name().toCaseFolded());
            } else {
                for (const TGGraphicControl* object : page.PageObjects())
                    if (object != &component && !object->Name().isEmpty())
                        takenNames->insert(object->Name().toCaseFolded());
            }
        }
        for (; nextNumber <= LastComponentNumber; ++nextNumber) {
            const QString name = QStringLiteral("Component") + QString::number(nextNumber);
            if (!takenNames->contains(name.toCaseFolded())) {
                takenNames->insert(name.toCaseFolded());
                return name;
            }
        }
        return QString();
    };
    reader.IgnoreMissingMethods = true;
    // The list ends quietly at the first error: the objects read before it
    // stay, a half-read one is discarded by the reader.
    try {
        reader.ReadListBegin();
        reader.ReadComponents(owner, &page, [](TComponent* component) {
            if (auto* widget = dynamic_cast<QWidget*>(component))
                widget->show();
        });
    } catch (const EFilerError& e) {
        return e.Message();
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    }
    return QString();
}

} // namespace

// --- Font records and the style block ----------------------------------------

void TCalendarPanel32::WriteFontRecord(TObjectWriter& writer, const TFont& font)
{
    writer.WriteString(font.Name());
    writer.WriteInteger(font.Size());
    writer.WriteBoolean(font.HasStyle(TFont::fsBold));
    writer.WriteBoolean(font.HasStyle(TFont::fsItalic));
    writer.WriteBoolean(font.HasStyle(TFont::fsUnderline));
    writer.WriteBoolean(font.HasStyle(TFont::fsStrikeOut));
    writer.WriteInteger(font.Color());
}

void TCalendarPanel32::ReadFontRecord(TObjectReader& reader, TFont& font)
{
    // Collected first and handed over in one piece: one change notice.
    TFont read(font);
    read.SetName(reader.ReadString().left(MaxFontNameLength));
    read.SetSize(reader.ReadInteger());
    unsigned style = 0;
    if (reader.ReadBoolean())
        style |= TFont::fsBold;
    if (reader.ReadBoolean())
        style |= TFont::fsItalic;
    if (reader.ReadBoolean())
        style |= TFont::fsUnderline;
    if (reader.ReadBoolean())
        style |= TFont::fsStrikeOut;
    read.SetStyleBits(style);
    read.SetColor(TColor(reader.ReadInteger()));
    font.Assign(read);
}

void TCalendarPanel32::WriteStyleBlock(TObjectWriter& writer) const
{
    writer.WriteInteger(paperSizeA4_ ? 1 : 0);
    writer.WriteInteger(orientation_);
    writer.WriteInteger(marginHundredths(leftMargin_));
    writer.WriteInteger(marginHundredths(topMargin_));
    writer.WriteInteger(marginHundredths(rightMargin_));
    writer.WriteInteger(marginHundredths(bottomMargin_));
    writer.WriteInteger(layout_);
    writer.WriteInteger(calendarBorder_);
    writer.WriteInteger(lineLayout_);
    for (const QString& name : monthNames_)
        writer.WriteString(name);
    for (const QString& name : dayNames_)
        writer.WriteString(name);
    writer.WriteInteger(titleBGColor_);
    WriteFontRecord(writer, titleFont_);
    writer.WriteBoolean(titleShowYear_);
    WriteFontRecord(writer, headersFont_);
    writer.WriteInteger(headersBorder_);
    writer.WriteInteger(headersStyle_);
    writer.WriteInteger(headersBGColor_);
    WriteFontRecord(writer, cellFont_);
    writer.WriteInteger(cellBorder_);
    writer.WriteInteger(miniLineLayout_);
    writer.WriteInteger(miniCalBorder_);
    writer.WriteInteger(miniCalBGColor_);
    writer.WriteBoolean(miniShowYear_);
    WriteFontRecord(writer, miniTitleFont_);
    WriteFontRecord(writer, miniHeadersFont_);
    writer.WriteInteger(miniHeadersBGColor_);
    writer.WriteInteger(miniHeadersStyle_);
    writer.WriteInteger(miniHeadersBorder_);
    writer.WriteInteger(miniCellBorder_);
    WriteFontRecord(writer, miniCellFont_);
    writer.WriteInteger(numberPosition_);
}

void TCalendarPanel32::ReadStyleBlock(TObjectReader& reader)
{
    // Straight into the fields: no setter runs, nothing is laid out or
    // repainted, and the line-layout presets are not applied (the border
    // styles follow in the block).
    paperSizeA4_ = reader.ReadInteger() != 0;
    storeOrdinal(orientation_, reader.ReadInteger(), coLandscape);
    leftMargin_ = marginFromHundredths(reader.ReadInteger());
    topMargin_ = marginFromHundredths(reader.ReadInteger());
    rightMargin_ = marginFromHundredths(reader.ReadInteger());
    bottomMargin_ = marginFromHundredths(reader.ReadInteger());
    storeOrdinal(layout_, reader.ReadInteger(), CalendarLayoutCount - 1);
    storeOrdinal(calendarBorder_, reader.ReadInteger(), cbTopBottom);
    storeOrdinal(lineLayout_, reader.ReadInteger(), llCellsOnly);
    for (QString& name : monthNames_)
        name = reader.ReadString();
    for (QString& name : dayNames_)
        name = reader.ReadString();
    titleBGColor_ = TColor(reader.ReadInteger());
    ReadFontRecord(reader, titleFont_);
    titleShowYear_ = reader.ReadBoolean();
    ReadFontRecord(reader, headersFont_);
    storeOrdinal(headersBorder_, reader.ReadInteger(), cbTopBottom);
    storeOrdinal(headersStyle_, reader.ReadInteger(), dsWhole);
    headersBGColor_ = TColor(reader.ReadInteger());
    ReadFontRecord(reader, cellFont_);
    storeOrdinal(cellBorder_, reader.ReadInteger(), cbTopBottom);
    storeOrdinal(miniLineLayout_, reader.ReadInteger(), mllMinimal);
    storeOrdinal(miniCalBorder_, reader.ReadInteger(), cbTopBottom);
    miniCalBGColor_ = TColor(reader.ReadInteger());
    miniShowYear_ = reader.ReadBoolean();
    ReadFontRecord(reader, miniTitleFont_);
    ReadFontRecord(reader, miniHeadersFont_);
    miniHeadersBGColor_ = TColor(reader.ReadInteger());
    storeOrdinal(miniHeadersStyle_, reader.ReadInteger(), dsWhole);
    storeOrdinal(miniHeadersBorder_, reader.ReadInteger(), cbTopBottom);
    storeOrdinal(miniCellBorder_, reader.ReadInteger(), cbTopBottom);
    ReadFontRecord(reader, miniCellFont_);
    storeOrdinal(numberPosition_, reader.ReadInteger(), cnpUpperRight);
}

// --- Documents ------------------------------------------------------------------

void TCalendarPanel32::WriteDocument(TObjectWriter& writer)
{
    writer.WriteListBegin();
    writer.WriteInteger(CurrentFormatVersion);
    writer.WriteInteger(DocumentFileKind);
    WriteStyleBlock(writer);
    writer.WriteString(wmfBorderFile_);
    writer.WriteInteger(mainCalDay_);
    writer.WriteInteger(mainCalMonth_);
    writer.WriteInteger(mainCalYear_);
    writer.WriteInteger(startOfWeek_);
    // Seconds are not kept.
    writer.WriteInteger(dayStartTime_.hour());
    writer.WriteInteger(dayStartTime_.minute());
    for (int i = 1; i <= DayCellCount; ++i) {
        if (TWPRtfStorage* storage = cellTexts_[i - 1]) {
            writer.WriteRootComponent(*storage);
        } else {
            TWPRtfStorage empty;
            writer.WriteRootComponent(empty);
        }
    }
    writer.WriteString(userTitle_);
    writer.WriteListEnd();
    writer.WriteListBegin();
    for (TGGraphicControl* object : PageObjects())
        writer.WriteRootComponent(*object);
    writer.WriteListEnd();
}

void TCalendarPanel32::ReadDocument(TObjectReader& reader, TComponent* owner, QString* objectListError)
{
    try {
        reader.ReadListBegin();
        const int version = reader.ReadInteger();
        reader.ReadInteger();  // the file kind: not checked
        ReadStyleBlock(reader);
        // The setter loads the picture for the orientation just read.
        SetWMFBorderFile(version >= FirstVersionWithBorder ? reader.ReadString() : QString());
        // A value out of range is ignored: the page keeps a date it can draw.
        const int day = reader.ReadInteger();
        if (day >= 1 && day <= 31)
            mainCalDay_ = day;
        const int month = reader.ReadInteger();
        if (month >= 1 && month <= 12)
            mainCalMonth_ = month;
        const int year = reader.ReadInteger();
        if (year >= FirstCalendarYear && year <= LastCalendarYear)
            mainCalYear_ = year;
        const int startOfWeek = reader.ReadInteger();
        if (startOfWeek >= 1 && startOfWeek <= 7)
            startOfWeek_ = startOfWeek;
        const int hour = reader.ReadInteger();
        const int minute = reader.ReadInteger();
        if (QTime::isValid(hour, minute, 0))
            dayStartTime_ = QTime(hour, minute);
        for (int i = 1; i <= DayCellCount; ++i) {
            // The record replaces the text: one without a text entry empties the cell.
            TWPRtfStorage* storage = cellTexts_[i - 1];
            std::unique_ptr<TWPRtfStorage> scratch;
            if (!storage) {
                scratch = std::make_unique<TWPRtfStorage>();
                storage = scratch.get();
            }
            storage->Clear();
            reader.ReadRootComponent(*storage);
        }
        if (version >= FirstVersionWithUserTitle)
            userTitle_ = reader.ReadString();
        reader.ReadListEnd();
        if (version >= FirstVersionWithObjects) {
            const QString error = readPageObjects(reader, *this, owner);
            if (objectListError)
                *objectListError = error;
        }
    } catch (...) {
        // The page keeps what was read, laid out so that it can be drawn.
        UpdatePageLayout(false);
        throw;
    }
    UpdatePageLayout(false);
}

bool TCalendarPanel32::SaveDocument(const QString& path, QString* error)
{
    return saveReplacing(path, error, [this](TObjectWriter& writer) { WriteDocument(writer); });
}

void TCalendarPanel32::LoadDocument(const QString& path, TComponent* owner, QString* objectListError)
{
    QFile file(path);
    openForReading(file);
    TObjectReader reader(file);
    ReadDocument(reader, owner, objectListError);
}

// --- Style sheets -----------------------------------------------------------------

void TCalendarPanel32::WriteStyleSheet(TObjectWriter& writer) const
{
    writer.WriteListBegin();
    writer.WriteInteger(CurrentFormatVersion);
    writer.WriteInteger(StyleSheetFileKind);
    WriteStyleBlock(writer);
    writer.WriteString(wmfBorderFile_);
    writer.WriteListEnd();
}

void TCalendarPanel32::ReadStyleSheet(TObjectReader& reader)
{
    try {
        reader.ReadListBegin();
        const int version = reader.ReadInteger();
        reader.ReadInteger();  // the file kind: not checked
        ReadStyleBlock(reader);
        // The setter lays the page out again and repaints.
        SetWMFBorderFile(version >= FirstVersionWithBorder ? reader.ReadString() : QString());
        reader.ReadListEnd();
    } catch (...) {
        UpdatePageLayout(false);
        throw;
    }
}

bool TCalendarPanel32::SaveStyleSheet(const QString& path, QString* error)
{
    return saveReplacing(path, error, [this](TObjectWriter& writer) { WriteStyleSheet(writer); });
}

void TCalendarPanel32::LoadStyleSheet(const QString& path)
{
    QFile file(path);
    openForReading(file);
    TObjectReader reader(file);
    ReadStyleSheet(reader);
}
