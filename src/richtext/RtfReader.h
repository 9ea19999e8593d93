#pragma once
#include <QByteArrayView>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <memory>

#include "richtext/CodePageDecoder.h"
#include "richtext/RtfPicture.h"
#include "richtext/RtfTokenizer.h"

class QTextDocument;

// Reads RTF into a QTextDocument: fonts (with their charsets), sizes,
// colours, bold, italic, underline, strikeout, super- and subscript,
// paragraph alignment, indents and spacing, line breaks, tabs and pictures.
// Destinations it does not show (style sheet, information, headers, fields'
// instructions, ignorable \* groups) and unknown control words are skipped.
//
// Malformed input is read as far as it makes sense: unbalanced braces,
// truncated escapes and pictures, lengths past the end and absurd sizes never
// crash or allocate beyond the limits; whatever text could be read is kept.
class TRtfReader {
public:
    // A new document holding the text of `rtf`.
    static std::unique_ptr<QTextDocument> Read(QByteArrayView rtf);

    // Replaces the content of `document` with the text of `rtf`.
    static void ReadInto(QByteArrayView rtf, QTextDocument& document);

    // Inserts the text of `rtf` at the cursor (pasting); a final paragraph
    // mark does not add an empty paragraph.
    static void Insert(QByteArrayView rtf, QTextCursor& cursor);

    // Nesting deeper than this is read as if the extra braces were absent.
    static constexpr int MaxGroupDepth = 200;

private:
    struct CharState {
        int font = -1;          // -1: the default font (\deff)
        int halfPoints = 24;
        bool bold = false, italic = false, underline = false, strike = false;
        int vertical = 0;       // 1 superscript, 2 subscript
        int foreground = -1;    // colour table index, -1 none
        int background = -1;
        bool operator==(const CharState&) const = default;
    };
    struct ParaState {
        int alignment = 0;      // 0 left, 1 right, 2 centre, 3 justified
        int leftIndent = 0, rightIndent = 0, firstIndent = 0, spaceBefore = 0, spaceAfter = 0;  // twips
    };
    enum class Destination { Text, Skip, FontTable, ColorTable, Picture };
    struct Group {
        CharState chars;
        ParaState para;
        Destination destination = Destination::Text;
        int unicodeSkip = 1;    // \ucN
    };
    struct FontEntry {
        QString name;
        int codePage = 0;       // 0: the document's
        QFont::StyleHint hint = QFont::AnyStyle;
        bool named = false;
    };
    struct ColorEntry {
        int red = -1, green = -1, blue = -1;   // -1: not given (automatic colour)
    };

    explicit TRtfReader(QTextCursor& cursor);
    void run(QByteArrayView rtf);
    void finish();

    void controlWord(QByteArrayView word, bool hasParameter, int parameter, TRtfTokenizer& tokenizer);
    void controlSymbol(char symbol);
    void destinationWord(int command);
    void textBytes(QByteArrayView bytes, bool escaped = false);
    void unicodeChar(int value);
    void appendText(const QString& text);
    void appendChar(char16_t c);
    void flushBytes();
    void flushRun();
    void beforeContent();
    void endParagraph();
    void applyBlockFormat();
    void openGroup();
    void closeGroup();
    void commitFontName();
    void commitColor();
    void finishPicture();

    int currentCodePage() const;
    bool currentFontIsSymbol() const;
    QTextCharFormat charFormat(const CharState& state) const;
    Group& top() { return groups_.last(); }

    QTextCursor& cursor_;
    QList<Group> groups_;
    int overflowDepth_ = 0;

    // Document-wide state.
    int documentCodePage_ = 1252;
    int defaultFont_ = 0;
    QHash<int, FontEntry> fonts_;
    QList<ColorEntry> colors_;
    bool ignorableNext_ = false;
    int skipChars_ = 0;

    // Font table entry being read.
    int fontEntry_ = -1;
    FontEntry pendingFont_;
    ColorEntry pendingColor_;

    // Bytes waiting to be decoded in one code page.
    QByteArray pendingBytes_;
    int pendingCodePage_ = 1252;

    // The run of text being collected and its format.
    QString runText_;
    CharState runState_;
    bool pendingParagraph_ = false;
    bool formatLastParagraph_ = false;

    // The picture being read.
    TRtfPicture picture_;
    int pictureDepth_ = -1;

    TCodePageDecoder decoder_;
};
