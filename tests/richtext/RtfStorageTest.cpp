#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QtEndian>

#include "RichTextTestSupport.h"
#include "TestSupport.h"
#include "persist/ClassInfo.h"
#include "persist/ObjectReader.h"
#include "persist/ObjectWriter.h"
#include "richtext/RichPicture.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfStorage.h"

using namespace richtext_test;

namespace {
QByteArray streamOf(TWPRtfStorage& storage)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TObjectWriter writer(buffer);
    writer.WriteRootComponent(storage);
    writer.FlushBuffer();
    return bytes;
}

void readStream(const QByteArray& bytes, TWPRtfStorage& storage)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    TObjectReader reader(buffer);
    reader.ReadRootComponent(storage);
}

QByteArray fixture(const QString& name)
{
    QFile file(vellumy::test::DataPath(QStringLiteral("richtext/") + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// RTF as another program wrote it, with constructs this engine does not
// write itself.
const QByteArray kForeignRtf =
    "{\\rtf1\\ansi\\deff3\\adeflang1025{\\fonttbl{\\f3\\froman\\fprq2\\fcharset0 Liberation Serif{\\*\\falt Times};}}"
    "{\\*\\generator Other/1.0}\\pard\\plain \\s16\\loch\\sl276\\slmult1 {\\loch\\fs36\\b Hi}\r\n\\par }";
} // namespace

TEST(RtfStorage, RecordCarriesRtfTextDataOnlyWhenNotEmptyAndReadsBackUnchanged)
{
    TComponent owner;
    auto* storage = new TWPRtfStorage(&owner);
    storage->RtfText().SetRtfBytes(kForeignRtf);

    const QByteArray stream = streamOf(*storage);
    // The entry's name, then the binary value: the RTF and four zero bytes.
    EXPECT_TRUE(stream.contains(QByteArray("\x0cRtfText.Data")));
    const QByteArray payload = kForeignRtf + QByteArray(4, '\0');
    const qsizetype at = stream.indexOf(payload);
    ASSERT_GT(at, 4);
    EXPECT_EQ(qFromLittleEndian<quint32>(stream.constData() + at - 4), quint32(payload.size()));

    TWPRtfStorage reread;
    readStream(stream, reread);
    EXPECT_EQ(reread.RtfText().RtfBytes(), kForeignRtf);   // trailing zeros are not part of the text

    // An empty text writes a record without entries; reading it leaves a
    // fresh storage empty.
    TWPRtfStorage empty;
    const QByteArray emptyStream = streamOf(empty);
    EXPECT_FALSE(emptyStream.contains("RtfText"));
    TWPRtfStorage fromEmpty;
    readStream(emptyStream, fromEmpty);
    EXPECT_TRUE(fromEmpty.IsEmpty());
    EXPECT_TRUE(fromEmpty.RtfText().RtfBytes().isEmpty());

    // A text with only empty paragraphs counts as empty and is not written.
    TWPRtfStorage blank;
    blank.RtfText().SetRtfBytes("{\\rtf1\\ansi \\par\\par }");
    EXPECT_FALSE(streamOf(blank).contains("RtfText"));

    // Documents create the storages of their cells by class name.
    const TClassInfo* info = FindClass("TWPRtfStorage");
    ASSERT_NE(info, nullptr);
    ASSERT_TRUE(info->create);
    TComponent* created = info->create(&owner, nullptr);
    EXPECT_NE(dynamic_cast<TWPRtfStorage*>(created), nullptr);
    EXPECT_EQ(created->Owner(), &owner);
}

TEST(RtfStorage, EmptyTestCopyAndClear)
{
    const QImage picture = TestImage(4, 4, qRgb(10, 200, 10));
    const QByteArray pictureOnly = "{\\rtf1{\\pict\\pngblip " + Encode(picture, "PNG").toHex() + "}}";
    struct Case {
        QByteArray rtf;
        bool empty;
    };
    const Case cases[] = {
        {QByteArray(), true},
        {"{\\rtf1 }", true},
        {"{\\rtf1\\ansi \\par\\par\\par}", true},
        {"{\\rtf1 x}", false},
        {"{\\rtf1 \\tab}", false},
        {pictureOnly, false},
    };
    for (const Case& c : cases) {
        TWPRtfStorage storage;
        storage.RtfText().SetRtfBytes(c.rtf);
        EXPECT_EQ(storage.IsEmpty(), c.empty) << c.rtf.toStdString();
    }

    TWPRtfStorage source, copy;
    source.RtfText().SetRtfBytes(kForeignRtf);
    copy.RtfText().SetRtfBytes("{\\rtf1 old}");
    copy.Assign(source);
    EXPECT_EQ(copy.RtfText().RtfBytes(), kForeignRtf);
    source.RtfText().SetRtfBytes("{\\rtf1 changed}");
    EXPECT_EQ(copy.RtfText().RtfBytes(), kForeignRtf);   // a copy, not a share
    EXPECT_EQ(copy.RtfText().SharedDocument()->toPlainText(), QStringLiteral("Hi"));

    copy.Clear();
    EXPECT_TRUE(copy.IsEmpty());
    EXPECT_TRUE(copy.RtfText().RtfBytes().isEmpty());

    // Setting a document: an empty one clears, another is written as RTF.
    QTextDocument document;
    copy.RtfText().SetDocument(document);
    EXPECT_TRUE(copy.RtfText().RtfBytes().isEmpty());
    document.setPlainText(QStringLiteral("typed"));
    copy.RtfText().SetDocument(document);
    EXPECT_TRUE(copy.RtfText().RtfBytes().startsWith("{\\rtf1"));
    EXPECT_EQ(copy.RtfText().ToDocument()->toPlainText(), QStringLiteral("typed"));
}

TEST(RtfStorage, UntouchedTextsGoBackByteForByteThroughTheEditor)
{
    QByteArray foreign = fixture(QStringLiteral("lo-formats.rtf"));
    if (foreign.isEmpty())
        foreign = kForeignRtf;
    TWPRtfStorage cell, saved;
    cell.RtfText().SetRtfBytes(foreign);

    TWPRichText editor;
    editor.resize(300, 120);
    editor.LoadFromStorage(cell);
    editor.SaveToStorage(saved);
    EXPECT_EQ(saved.RtfText().RtfBytes(), foreign);

    // Shown and focused (the text is copied into the editor), still untouched.
    editor.show();
    editor.setFocus();
    editor.SaveToStorage(saved);
    EXPECT_EQ(saved.RtfText().RtfBytes(), foreign);

    // An edit makes it the editor's RTF, with the edit in it.
    QTextCursor cursor = editor.textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral(" plus"));
    editor.SaveToStorage(saved);
    EXPECT_NE(saved.RtfText().RtfBytes(), foreign);
    EXPECT_TRUE(saved.RtfText().SharedDocument()->toPlainText().endsWith(QStringLiteral(" plus")));
}

TEST(RtfStorage, PaintingAnUnchangedTextAgainNeitherParsesNorLaysOutAgain)
{
    TWPRtfStorage storage;
    storage.RtfText().SetRtfBytes("{\\rtf1 {\\b cached} text that wraps over a few lines in a narrow cell}");
    TWPRichText painter;   // hidden, as the page's cell painter
    painter.SetZoom(100);
    QImage canvas(120, 80, QImage::Format_RGB32);

    auto paint = [&] {
        canvas.fill(Qt::white);
        QPainter p(&canvas);
        painter.LoadFromStorage(storage);
        painter.PaintTo(p, 0, 0, 120, 80);
    };
    paint();
    const std::shared_ptr<QTextDocument> parsed = storage.RtfText().SharedDocument();
    int relayouts = 0;
    QObject::connect(parsed->documentLayout(), &QAbstractTextDocumentLayout::update, [&] { ++relayouts; });
    const QImage first = canvas;
    paint();
    EXPECT_EQ(storage.RtfText().SharedDocument(), parsed);
    EXPECT_EQ(relayouts, 0);
    EXPECT_EQ(canvas, first);
    parsed->setTextWidth(50);   // the count does see a layout
    EXPECT_GT(relayouts, 0);

    // Saving the untouched text back from an editor changes nothing.
    const quint64 revision = storage.Revision();
    TWPRichText editor;
    editor.LoadFromStorage(storage);
    editor.SaveToStorage(storage);
    EXPECT_EQ(storage.Revision(), revision);
    EXPECT_EQ(storage.RtfText().SharedDocument(), parsed);

    // A change makes a new parse, painted with the new text.
    storage.RtfText().SetRtfBytes("{\\rtf1 other}");
    EXPECT_NE(storage.Revision(), revision);
    EXPECT_NE(storage.RtfText().SharedDocument(), parsed);
    paint();
    EXPECT_NE(canvas, first);
}
