#include "richtext/RtfReader.h"

#include <QFont>
#include <QTextBlockFormat>
#include <QTextDocument>
#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "platform/ScreenMetrics.h"
#include "richtext/PictureHandler.h"
#include "richtext/SymbolCharset.h"

namespace {
enum Command {
    // document
    cmdAnsi, cmdMac, cmdPc, cmdPca, cmdAnsiCpg, cmdDeff, cmdUc, cmdU,
    // destinations
    cmdFontTable, cmdColorTable, cmdPict, cmdSkipDestination, cmdTextDestination,
    // font table
    cmdF, cmdFCharset, cmdCpg, cmdFNil, cmdFRoman, cmdFSwiss, cmdFModern, cmdFScript, cmdFDecor, cmdFTech,
    // colour table
    cmdRed, cmdGreen, cmdBlue,
    // character formatting
    cmdPlain, cmdFs, cmdB, cmdI, cmdUl, cmdUlNone, cmdStrike, cmdCf, cmdCb, cmdSuper, cmdSub, cmdNoSuperSub,
    // paragraph formatting
    cmdPard, cmdQl, cmdQr, cmdQc, cmdQj, cmdLi, cmdRi, cmdFi, cmdSb, cmdSa,
    // special characters
    cmdPar, cmdLine, cmdTab, cmdCell, cmdEmDash, cmdEnDash, cmdEmSpace, cmdEnSpace, cmdQmSpace, cmdBullet,
    cmdLQuote, cmdRQuote, cmdLDblQuote, cmdRDblQuote, cmdZwj, cmdZwnj,
    // pictures
    cmdPicW, cmdPicH, cmdPicWGoal, cmdPicHGoal, cmdPicScaleX, cmdPicScaleY, cmdPngBlip, cmdJpegBlip,
    cmdDiBitmap, cmdWBitmap, cmdWMetafile, cmdEmfBlip, cmdOtherBlip, cmdWbmBitsPixel, cmdWbmPlanes,
    cmdWbmWidthBytes, cmdBin,
};

const std::unordered_map<std::string_view, Command>& commands()
{
    static const std::unordered_map<std::string_view, Command> table = {
        {"ansi", cmdAnsi}, {"mac", cmdMac}, {"pc", cmdPc}, {"pca", cmdPca}, {"ansicpg", cmdAnsiCpg},
        {"deff", cmdDeff}, {"uc", cmdUc}, {"u", cmdU},

        {"fonttbl", cmdFontTable}, {"colortbl", cmdColorTable}, {"pict", cmdPict},
        // Destinations whose text is not part of the document.
        {"stylesheet", cmdSkipDestination}, {"info", cmdSkipDestination}, {"header", cmdSkipDestination},
        {"headerl", cmdSkipDestination}, {"headerr", cmdSkipDestination}, {"headerf", cmdSkipDestination},
        {"footer", cmdSkipDestination}, {"footerl", cmdSkipDestination}, {"footerr", cmdSkipDestination},
        {"footerf", cmdSkipDestination}, {"footnote", cmdSkipDestination}, {"pn", cmdSkipDestination},
        {"fldinst", cmdSkipDestination}, {"listtable", cmdSkipDestination},
        {"listoverridetable", cmdSkipDestination}, {"revtbl", cmdSkipDestination},
        {"rsidtbl", cmdSkipDestination}, {"xe", cmdSkipDestination}, {"tc", cmdSkipDestination},
        {"objdata", cmdSkipDestination}, {"nonshppict", cmdSkipDestination},
        {"shpinst", cmdSkipDestination}, {"bkmkstart", cmdSkipDestination}, {"bkmkend", cmdSkipDestination},
        {"themedata", cmdSkipDestination}, {"colorschememapping", cmdSkipDestination},
        {"latentstyles", cmdSkipDestination}, {"datastore", cmdSkipDestination},
        {"generator", cmdSkipDestination}, {"xmlnstbl", cmdSkipDestination}, {"mmathPr", cmdSkipDestination},
        {"annotation", cmdSkipDestination}, {"atnid", cmdSkipDestination}, {"atnauthor", cmdSkipDestination},
        {"txe", cmdSkipDestination}, {"picprop", cmdSkipDestination}, {"blipuid", cmdSkipDestination},
        {"ftnsep", cmdSkipDestination}, {"ftnsepc", cmdSkipDestination}, {"ftncn", cmdSkipDestination},
        {"aftnsep", cmdSkipDestination}, {"aftnsepc", cmdSkipDestination}, {"aftncn", cmdSkipDestination},
        {"userprops", cmdSkipDestination}, {"pgdsctbl", cmdSkipDestination}, {"panose", cmdSkipDestination},
        {"falt", cmdSkipDestination}, {"fname", cmdSkipDestination}, {"template", cmdSkipDestination},
        {"private", cmdSkipDestination}, {"comment", cmdSkipDestination}, {"doccomm", cmdSkipDestination},
        {"wgrffmtfilter", cmdSkipDestination}, {"pnseclvl", cmdSkipDestination}, {"sp", cmdSkipDestination},
        {"listpicture", cmdSkipDestination}, {"protusertbl", cmdSkipDestination},
        {"fchars", cmdSkipDestination}, {"lchars", cmdSkipDestination}, {"filetbl", cmdSkipDestination},
        // Destinations whose text is shown (also when marked ignorable).
        {"shppict", cmdTextDestination}, {"shprslt", cmdTextDestination}, {"fldrslt", cmdTextDestination},
        {"field", cmdTextDestination}, {"pntext", cmdTextDestination}, {"listtext", cmdTextDestination},
        {"object", cmdTextDestination}, {"result", cmdTextDestination}, {"shp", cmdTextDestination},

        {"f", cmdF}, {"fcharset", cmdFCharset}, {"cpg", cmdCpg}, {"fnil", cmdFNil}, {"froman", cmdFRoman},
        {"fswiss", cmdFSwiss}, {"fmodern", cmdFModern}, {"fscript", cmdFScript}, {"fdecor", cmdFDecor},
        {"ftech", cmdFTech}, {"fbidi", cmdFNil},

        {"red", cmdRed}, {"green", cmdGreen}, {"blue", cmdBlue},

        {"plain", cmdPlain}, {"fs", cmdFs}, {"b", cmdB}, {"i", cmdI}, {"ul", cmdUl}, {"uld", cmdUl},
        {"uldb", cmdUl}, {"ulw", cmdUl}, {"ulth", cmdUl}, {"ulwave", cmdUl}, {"uldash", cmdUl},
        {"uldashd", cmdUl}, {"uldashdd", cmdUl}, {"ulhwave", cmdUl}, {"ulldash", cmdUl}, {"ulthd", cmdUl},
        {"ulthdash", cmdUl}, {"ulthdashd", cmdUl}, {"ulthdashdd", cmdUl}, {"ulthldash", cmdUl},
        {"ululdbwave", cmdUl}, {"ulnone", cmdUlNone}, {"strike", cmdStrike}, {"striked", cmdStrike},
        {"cf", cmdCf}, {"cb", cmdCb}, {"highlight", cmdCb}, {"chcbpat", cmdCb}, {"super", cmdSuper},
        {"sub", cmdSub}, {"nosupersub", cmdNoSuperSub},

        {"pard", cmdPard}, {"ql", cmdQl}, {"qr", cmdQr}, {"qc", cmdQc}, {"qj", cmdQj}, {"qd", cmdQj},
        {"li", cmdLi}, {"lin", cmdLi}, {"ri", cmdRi}, {"rin", cmdRi}, {"fi", cmdFi}, {"sb", cmdSb},
        {"sa", cmdSa},

        {"par", cmdPar}, {"page", cmdPar}, {"sect", cmdPar}, {"row", cmdPar}, {"nestrow", cmdPar},
        {"line", cmdLine}, {"tab", cmdTab}, {"cell", cmdCell}, {"nestcell", cmdCell},
        {"emdash", cmdEmDash}, {"endash", cmdEnDash}, {"emspace", cmdEmSpace}, {"enspace", cmdEnSpace},
        {"qmspace", cmdQmSpace}, {"bullet", cmdBullet}, {"lquote", cmdLQuote}, {"rquote", cmdRQuote},
        {"ldblquote", cmdLDblQuote}, {"rdblquote", cmdRDblQuote}, {"zwj", cmdZwj}, {"zwnj", cmdZwnj},

        {"picw", cmdPicW}, {"pich", cmdPicH}, {"picwgoal", cmdPicWGoal}, {"pichgoal", cmdPicHGoal},
        {"picscalex", cmdPicScaleX}, {"picscaley", cmdPicScaleY}, {"pngblip", cmdPngBlip},
        {"jpegblip", cmdJpegBlip}, {"dibitmap", cmdDiBitmap}, {"wbitmap", cmdWBitmap},
        {"wmetafile", cmdWMetafile}, {"emfblip", cmdEmfBlip}, {"macpict", cmdOtherBlip},
        {"pmmetafile", cmdOtherBlip}, {"wbmbitspixel", cmdWbmBitsPixel}, {"wbmplanes", cmdWbmPlanes},
        {"wbmwidthbytes", cmdWbmWidthBytes}, {"bin", cmdBin},
    };
    return table;
}

// Bounds for values that size things.
constexpr int kMaxTwips = 31680;     // 22 inches
constexpr int kMaxFonts = 4096;
constexpr int kMaxColors = 4096;
constexpr int kMaxFontNameLength = 256;

int clampTwips(int value)
{
    return std::clamp(value, -kMaxTwips, kMaxTwips);
}
} // namespace

std::unique_ptr<QTextDocument> TRtfReader::Read(QByteArrayView rtf)
{
    auto document = std::make_unique<QTextDocument>();
    ReadInto(rtf, *document);
    return document;
}

void TRtfReader::ReadInto(QByteArrayView rtf, QTextDocument& document)
{
    // A freshly read document has nothing to undo.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    document.setDocumentMargin(0);
    TPictureHandler::Install(document);
    QTextCursor cursor(&document);
    TRtfReader reader(cursor);
    reader.formatLastParagraph_ = true;
    reader.run(rtf);
    document.setUndoRedoEnabled(undo);
    const FontEntry font = reader.fonts_.value(reader.defaultFont_);
    if (font.named && !font.name.isEmpty()) {
        QFont defaultFont;
        defaultFont.setFamilies({font.name});   // as it is, not split at commas
        defaultFont.setStyleHint(font.hint);
        defaultFont.setPointSizeF(12);
        document.setDefaultFont(defaultFont);
    }
    document.setModified(false);
}

void TRtfReader::Insert(QByteArrayView rtf, QTextCursor& cursor)
{
    if (QTextDocument* document = cursor.document())
        TPictureHandler::Install(*document);
    TRtfReader reader(cursor);
    reader.run(rtf);
}

TRtfReader::TRtfReader(QTextCursor& cursor) : cursor_(cursor)
{
    groups_.append(Group());
}

void TRtfReader::run(QByteArrayView rtf)
{
    TRtfTokenizer tokenizer(rtf);
    cursor_.beginEditBlock();
    for (;;) {
        TRtfTokenizer::Token token = tokenizer.Next();
        if (token.kind == TRtfTokenizer::End)
            break;
        if (token.kind != TRtfTokenizer::Text && token.kind != TRtfTokenizer::HexByte)
            flushBytes();

        if (token.kind == TRtfTokenizer::GroupOpen || token.kind == TRtfTokenizer::GroupClose) {
            skipChars_ = 0;
            if (ignorableNext_)
                top().destination = Destination::Skip;   // "{\*{" names no destination
            ignorableNext_ = false;
            if (token.kind == TRtfTokenizer::GroupOpen)
                openGroup();
            else
                closeGroup();
            continue;
        }

        // Characters standing in for the last \uN are dropped.
        if (skipChars_ > 0) {
            if (token.kind == TRtfTokenizer::Text) {
                const qsizetype taken = std::min<qsizetype>(skipChars_, token.text.size());
                skipChars_ -= int(taken);
                token.text = token.text.sliced(taken);
                if (token.text.isEmpty())
                    continue;
            } else {
                --skipChars_;
                if (token.kind == TRtfTokenizer::ControlWord && token.word == "bin" && token.hasParameter)
                    tokenizer.ReadBinary(token.parameter);
                continue;
            }
        }

        switch (token.kind) {
        case TRtfTokenizer::ControlWord:
            controlWord(token.word, token.hasParameter, token.parameter, tokenizer);
            break;
        case TRtfTokenizer::ControlSymbol:
            controlSymbol(token.word.isEmpty() ? '\0' : token.word.front());
            break;
        case TRtfTokenizer::HexByte: {
            ignorableNext_ = false;
            const char byte = char(token.byte);
            if (top().destination == Destination::Picture)
                picture_.data.append(byte);
            else
                textBytes(QByteArrayView(&byte, 1), true);
            break;
        }
        case TRtfTokenizer::Text:
            if (ignorableNext_) {
                ignorableNext_ = false;
                top().destination = Destination::Skip;
            }
            textBytes(token.text);
            break;
        default:
            break;
        }
    }
    flushBytes();
    // Groups left open at the end close here (a picture still being read is
    // decoded from what arrived).
    while (groups_.size() > 1)
        closeGroup();
    finish();
    cursor_.endEditBlock();
}

void TRtfReader::finish()
{
    flushRun();
    // A final paragraph mark ends the last paragraph; it adds no empty one.
    // Pasted text leaves the format of the paragraph it ends in alone.
    if (!pendingParagraph_ && formatLastParagraph_)
        applyBlockFormat();
}

void TRtfReader::openGroup()
{
    if (groups_.size() > MaxGroupDepth) {
        ++overflowDepth_;
        return;
    }
    Group group = top();
    groups_.append(group);
}

void TRtfReader::closeGroup()
{
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return;
    }
    if (groups_.size() <= 1)
        return;   // an unbalanced closing brace
    const Destination destination = top().destination;
    if (destination == Destination::FontTable)
        commitFontName();
    if (destination == Destination::Picture && groups_.size() - 1 == pictureDepth_) {
        finishPicture();
        pictureDepth_ = -1;
    }
    groups_.removeLast();
    if (destination == Destination::FontTable && top().destination != Destination::FontTable)
        fontEntry_ = -1;
}

void TRtfReader::destinationWord(int command)
{
    Group& group = top();
    switch (command) {
    case cmdFontTable:
        group.destination = Destination::FontTable;
        fontEntry_ = -1;
        break;
    case cmdColorTable:
        group.destination = Destination::ColorTable;
        pendingColor_ = ColorEntry();
        break;
    case cmdPict:
        if (group.destination == Destination::Text) {
            group.destination = Destination::Picture;
            picture_ = TRtfPicture();
            pictureDepth_ = int(groups_.size()) - 1;
        } else {
            group.destination = Destination::Skip;
        }
        break;
    case cmdSkipDestination:
        group.destination = Destination::Skip;
        break;
    case cmdTextDestination:
        break;   // the text goes where the enclosing group's goes
    }
}

void TRtfReader::controlWord(QByteArrayView word, bool hasParameter, int parameter, TRtfTokenizer& tokenizer)
{
    const bool ignorable = ignorableNext_;
    ignorableNext_ = false;
    const auto& table = commands();
    const auto found = table.find(std::string_view(word.data(), size_t(word.size())));
    if (found == table.end()) {
        if (ignorable)
            top().destination = Destination::Skip;
        return;
    }
    const Command command = found->second;
    Group& group = top();
    const Destination destination = group.destination;
    const bool on = !hasParameter || parameter != 0;

    if (command == cmdBin) {
        const QByteArrayView bytes = tokenizer.ReadBinary(hasParameter ? parameter : 0);
        if (destination == Destination::Picture)
            picture_.data.append(bytes.data(), bytes.size());
        return;
    }
    if (command >= cmdFontTable && command <= cmdTextDestination) {
        if (destination != Destination::Skip)
            destinationWord(command);
        return;
    }
    if (ignorable) {
        // A \* word this reader knows but that names no destination.
        group.destination = Destination::Skip;
        return;
    }
    if (destination == Destination::Skip)
        return;

    if (destination == Destination::FontTable) {
        switch (command) {
        case cmdF:
            commitFontName();
            fontEntry_ = hasParameter ? parameter : 0;
            pendingFont_ = fonts_.value(fontEntry_);
            pendingFont_.name.clear();
            pendingFont_.named = false;
            break;
        case cmdFCharset:
            pendingFont_.codePage = TCodePageDecoder::CodePageOfCharset(parameter);
            break;
        case cmdCpg:
            if (parameter > 0)
                pendingFont_.codePage = parameter;
            break;
        case cmdFNil: pendingFont_.hint = QFont::AnyStyle; break;
        case cmdFRoman: pendingFont_.hint = QFont::Serif; break;
        case cmdFSwiss: pendingFont_.hint = QFont::SansSerif; break;
        case cmdFModern: pendingFont_.hint = QFont::TypeWriter; break;
        case cmdFScript: pendingFont_.hint = QFont::Cursive; break;
        case cmdFDecor: pendingFont_.hint = QFont::Decorative; break;
        case cmdFTech: pendingFont_.hint = QFont::AnyStyle; break;
        case cmdU: unicodeChar(parameter); break;
        case cmdUc: group.unicodeSkip = std::clamp(parameter, 0, 16); break;
        default: break;
        }
        return;
    }
    if (destination == Destination::ColorTable) {
        const int value = std::clamp(parameter, 0, 255);
        if (command == cmdRed)
            pendingColor_.red = value;
        else if (command == cmdGreen)
            pendingColor_.green = value;
        else if (command == cmdBlue)
            pendingColor_.blue = value;
        return;
    }
    if (destination == Destination::Picture) {
        const int value = std::clamp(parameter, -10'000'000, 10'000'000);
        switch (command) {
        case cmdPicW: picture_.picw = value; break;
        case cmdPicH: picture_.pich = value; break;
        case cmdPicWGoal: picture_.goalWidth = value; break;
        case cmdPicHGoal: picture_.goalHeight = value; break;
        case cmdPicScaleX: picture_.scaleX = value; break;
        case cmdPicScaleY: picture_.scaleY = value; break;
        case cmdPngBlip: picture_.format = TRtfPicture::Png; break;
        case cmdJpegBlip: picture_.format = TRtfPicture::Jpeg; break;
        case cmdDiBitmap: picture_.format = TRtfPicture::Dib; break;
        case cmdWBitmap: picture_.format = TRtfPicture::DeviceBitmap; break;
        case cmdWMetafile:
            picture_.format = TRtfPicture::Wmf;
            picture_.mapMode = hasParameter ? std::clamp(parameter, 1, 8) : 8;
            break;
        case cmdEmfBlip: picture_.format = TRtfPicture::Emf; break;
        case cmdOtherBlip: picture_.format = TRtfPicture::Unknown; break;
        case cmdWbmBitsPixel: picture_.bitsPerPixel = std::clamp(value, 1, 32); break;
        case cmdWbmPlanes: picture_.planes = std::clamp(value, 1, 4); break;
        case cmdWbmWidthBytes: picture_.widthBytes = std::max(value, 0); break;
        default: break;
        }
        return;
    }

    // The document text.
    CharState& chars = group.chars;
    ParaState& para = group.para;
    switch (command) {
    case cmdAnsi: documentCodePage_ = 1252; break;
    case cmdMac: documentCodePage_ = 10000; break;
    case cmdPc: documentCodePage_ = 437; break;
    case cmdPca: documentCodePage_ = 850; break;
    case cmdAnsiCpg:
        if (parameter > 0)
            documentCodePage_ = parameter;
        break;
    case cmdDeff: defaultFont_ = parameter; break;
    case cmdUc: group.unicodeSkip = std::clamp(parameter, 0, 16); break;
    case cmdU: unicodeChar(parameter); break;

    case cmdF: chars.font = hasParameter ? parameter : defaultFont_; break;
    case cmdPlain: chars = CharState(); break;
    case cmdFs: chars.halfPoints = hasParameter ? std::clamp(parameter, 2, 3276) : 24; break;
    case cmdB: chars.bold = on; break;
    case cmdI: chars.italic = on; break;
    case cmdUl: chars.underline = on; break;
    case cmdUlNone: chars.underline = false; break;
    case cmdStrike: chars.strike = on; break;
    case cmdCf: chars.foreground = std::max(parameter, 0); break;
    case cmdCb: chars.background = hasParameter && parameter > 0 ? parameter : -1; break;
    case cmdSuper: chars.vertical = on ? 1 : 0; break;
    case cmdSub: chars.vertical = on ? 2 : 0; break;
    case cmdNoSuperSub: chars.vertical = 0; break;

    case cmdPard: para = ParaState(); break;
    case cmdQl: para.alignment = 0; break;
    case cmdQr: para.alignment = 1; break;
    case cmdQc: para.alignment = 2; break;
    case cmdQj: para.alignment = 3; break;
    case cmdLi: para.leftIndent = clampTwips(parameter); break;
    case cmdRi: para.rightIndent = clampTwips(parameter); break;
    case cmdFi: para.firstIndent = clampTwips(parameter); break;
    case cmdSb: para.spaceBefore = std::clamp(parameter, 0, kMaxTwips); break;
    case cmdSa: para.spaceAfter = std::clamp(parameter, 0, kMaxTwips); break;

    case cmdPar: endParagraph(); break;
    case cmdLine: appendChar(QChar::LineSeparator); break;
    case cmdTab:
    case cmdCell: appendChar(u'\t'); break;
    case cmdEmDash: appendChar(0x2014); break;
    case cmdEnDash: appendChar(0x2013); break;
    case cmdEmSpace: appendChar(0x2003); break;
    case cmdEnSpace: appendChar(0x2002); break;
    case cmdQmSpace: appendChar(0x2005); break;
    case cmdBullet: appendChar(0x2022); break;
    case cmdLQuote: appendChar(0x2018); break;
    case cmdRQuote: appendChar(0x2019); break;
    case cmdLDblQuote: appendChar(0x201C); break;
    case cmdRDblQuote: appendChar(0x201D); break;
    case cmdZwj: appendChar(0x200D); break;
    case cmdZwnj: appendChar(0x200C); break;
    default: break;
    }
}

void TRtfReader::controlSymbol(char symbol)
{
    if (symbol == '*') {
        ignorableNext_ = true;
        return;
    }
    ignorableNext_ = false;
    const Destination destination = top().destination;
    if (destination == Destination::Skip || destination == Destination::Picture)
        return;
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        textBytes(QByteArrayView(&symbol, 1), true);
        break;
    case '~': appendChar(0x00A0); break;
    case '-': appendChar(0x00AD); break;
    case '_': appendChar(0x2011); break;
    case '\n':
    case '\r':
        if (destination == Destination::Text)
            endParagraph();
        break;
    default:
        break;   // \: \| and broken escapes
    }
}

int TRtfReader::currentCodePage() const
{
    const Group& group = groups_.last();
    const int index = group.destination == Destination::FontTable ? -2
                      : group.chars.font >= 0                     ? group.chars.font
                                                                  : defaultFont_;
    const int codePage = index == -2 ? pendingFont_.codePage : fonts_.value(index).codePage;
    return codePage ? codePage : documentCodePage_;
}

bool TRtfReader::currentFontIsSymbol() const
{
    return currentCodePage() == TCodePageDecoder::SymbolCodePage;
}

void TRtfReader::textBytes(QByteArrayView bytes, bool escaped)
{
    const Destination destination = top().destination;
    if (destination == Destination::Skip)
        return;
    if (destination == Destination::Picture) {
        picture_.AppendHex(bytes.data(), bytes.size());
        return;
    }
    if (destination == Destination::ColorTable) {
        for (char c : bytes)
            if (c == ';')
                commitColor();
        return;
    }
    if (destination == Destination::FontTable) {
        for (char c : bytes) {
            if (c == ';' && !escaped) {
                flushBytes();
                commitFontName();
            } else {
                if (pendingBytes_.isEmpty())
                    pendingCodePage_ = currentCodePage();
                pendingBytes_.append(c);
            }
        }
        return;
    }
    const int codePage = currentCodePage();
    if (!pendingBytes_.isEmpty() && pendingCodePage_ != codePage)
        flushBytes();
    pendingCodePage_ = codePage;
    pendingBytes_.append(bytes.data(), bytes.size());
}

void TRtfReader::flushBytes()
{
    if (pendingBytes_.isEmpty())
        return;
    QByteArray bytes;
    bytes.swap(pendingBytes_);
    // Font names are decoded in the font's own code page; a symbol font's
    // name is plain text.
    int codePage = pendingCodePage_;
    if (top().destination == Destination::FontTable && codePage == TCodePageDecoder::SymbolCodePage)
        codePage = 1252;
    appendText(decoder_.Decode(bytes, codePage));
}

void TRtfReader::unicodeChar(int value)
{
    flushBytes();
    char16_t c = char16_t(value < 0 ? value + 65536 : value);
    if (currentFontIsSymbol() && top().destination == Destination::Text)
        c = SymbolCharToUnicode(c);
    appendChar(c);
    skipChars_ = top().unicodeSkip;
}

void TRtfReader::appendChar(char16_t c)
{
    flushBytes();
    appendText(QString(QChar(c)));
}

void TRtfReader::appendText(const QString& text)
{
    const Destination destination = top().destination;
    if (destination == Destination::FontTable) {
        // Font names are one line of printable characters.
        for (QChar c : text) {
            if (fontEntry_ < 0 || pendingFont_.name.size() >= kMaxFontNameLength)
                break;
            const char16_t u = c.unicode();
            if (u >= 0x20 && !(u >= 0x7F && u < 0xA0) && u != QChar::LineSeparator && u != QChar::ParagraphSeparator
                && u != QChar::ObjectReplacementCharacter && u < 0xFFFE)
                pendingFont_.name.append(c);
        }
        return;
    }
    if (destination != Destination::Text)
        return;
    // Control characters other than tab carry no text; paragraph separators
    // and object characters would break the document's structure.
    QString clean;
    clean.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t') || (u >= 0x7F && u < 0xA0) || u == QChar::ParagraphSeparator
            || u == QChar::ObjectReplacementCharacter || u == 0xFFFE || u == 0xFFFF)
            continue;
        clean.append(c);
    }
    if (clean.isEmpty())
        return;
    beforeContent();
    const CharState& state = top().chars;
    if (!(state == runState_)) {
        flushRun();
        runState_ = state;
    }
    runText_.append(clean);
}

void TRtfReader::flushRun()
{
    if (runText_.isEmpty())
        return;
    // Surrogates that do not pair up become replacement characters.
    for (qsizetype i = 0; i < runText_.size(); ++i) {
        const QChar c = runText_.at(i);
        if (c.isHighSurrogate() && i + 1 < runText_.size() && runText_.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            runText_[i] = QChar::ReplacementCharacter;
    }
    cursor_.insertText(runText_, charFormat(runState_));
    runText_.clear();
}

void TRtfReader::beforeContent()
{
    if (pendingParagraph_) {
        flushRun();
        cursor_.insertBlock();
        pendingParagraph_ = false;
    }
}

void TRtfReader::endParagraph()
{
    flushRun();
    if (pendingParagraph_) {
        cursor_.insertBlock();   // the paragraph ended before this mark was empty
    }
    applyBlockFormat();
    pendingParagraph_ = true;
}

void TRtfReader::applyBlockFormat()
{
    const Group& group = top();
    const ParaState& para = group.para;
    const double pixelsPerTwip = ScreenPPI() / 1440.0;
    QTextBlockFormat format;
    switch (para.alignment) {
    case 1: format.setAlignment(Qt::AlignRight | Qt::AlignAbsolute); break;
    case 2: format.setAlignment(Qt::AlignHCenter); break;
    case 3: format.setAlignment(Qt::AlignJustify); break;
    default: format.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute); break;
    }
    if (para.leftIndent)
        format.setLeftMargin(para.leftIndent * pixelsPerTwip);
    if (para.rightIndent)
        format.setRightMargin(para.rightIndent * pixelsPerTwip);
    if (para.firstIndent)
        format.setTextIndent(para.firstIndent * pixelsPerTwip);
    if (para.spaceBefore)
        format.setTopMargin(para.spaceBefore * pixelsPerTwip);
    if (para.spaceAfter)
        format.setBottomMargin(para.spaceAfter * pixelsPerTwip);
    cursor_.setBlockFormat(format);
    cursor_.setBlockCharFormat(charFormat(group.chars));
}

QTextCharFormat TRtfReader::charFormat(const CharState& state) const
{
    QTextCharFormat format;
    const FontEntry font = fonts_.value(state.font >= 0 ? state.font : defaultFont_);
    if (font.named && !font.name.isEmpty()) {
        format.setFontFamilies(QStringList{font.name});
        if (font.hint != QFont::AnyStyle)
            format.setFontStyleHint(font.hint);
    }
    format.setFontPointSize(state.halfPoints / 2.0);
    if (state.bold)
        format.setFontWeight(QFont::Bold);
    if (state.italic)
        format.setFontItalic(true);
    if (state.underline)
        format.setFontUnderline(true);
    if (state.strike)
        format.setFontStrikeOut(true);
    if (state.vertical == 1)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (state.vertical == 2)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    auto color = [this](int index, QColor& out) {
        if (index < 0 || index >= colors_.size())
            return false;
        const ColorEntry& entry = colors_.at(index);
        if (entry.red < 0 && entry.green < 0 && entry.blue < 0)
            return false;   // the automatic colour
        out = QColor(std::max(entry.red, 0), std::max(entry.green, 0), std::max(entry.blue, 0));
        return true;
    };
    QColor value;
    if (color(state.foreground, value))
        format.setForeground(value);
    if (color(state.background, value))
        format.setBackground(value);
    return format;
}

void TRtfReader::commitFontName()
{
    flushBytes();
    if (fontEntry_ < 0)
        return;
    if (!fonts_.contains(fontEntry_) && fonts_.size() >= kMaxFonts) {
        fontEntry_ = -1;
        return;
    }
    FontEntry entry = pendingFont_;
    entry.name = entry.name.trimmed();
    if (entry.name.isEmpty() && fonts_.contains(fontEntry_) && fonts_[fontEntry_].named)
        return;   // the name was already taken at the ';'
    // Only a font called Symbol has the Symbol encoding; other symbol fonts
    // (dingbats) have no Unicode counterpart and keep their bytes.
    if (entry.codePage == TCodePageDecoder::SymbolCodePage
        && !entry.name.contains(QLatin1String("symbol"), Qt::CaseInsensitive))
        entry.codePage = 1252;
    entry.named = !entry.name.isEmpty();
    fonts_.insert(fontEntry_, entry);
    pendingFont_.name.clear();
}

void TRtfReader::commitColor()
{
    if (colors_.size() < kMaxColors)
        colors_.append(pendingColor_);
    pendingColor_ = ColorEntry();
}

void TRtfReader::finishPicture()
{
    const TRichPicture picture = picture_.Decode(ScreenPPI());
    picture_ = TRtfPicture();
    if (picture.IsNull())
        return;
    // The picture belongs to the group around the \pict group.
    if (groups_.size() < 2 || groups_.at(groups_.size() - 2).destination != Destination::Text)
        return;
    beforeContent();
    flushRun();
    picture.InsertAt(cursor_);
}
