#include "richtext/WPRichText.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFragment>
#include <algorithm>
#include <cmath>

#include "persist/Font.h"
#include "richtext/PictureHandler.h"
#include "richtext/RichPicture.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"
#include "richtext/WPRtfStorage.h"
#include "richtext/WPRtfText.h"

namespace {
const char* const kRtfMimeTypes[] = {"text/rtf", "application/rtf", "text/richtext"};

template <class Event>
Event mappedMouseEvent(const Event* event, const QPointF& position)
{
    return Event(event->type(), position, event->scenePosition(), event->globalPosition(), event->button(),
                 event->buttons(), event->modifiers(), event->pointingDevice());
}
} // namespace

TWPRichText::TWPRichText(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(true);
    document()->setDocumentMargin(0);
    document()->setUseDesignMetrics(true);
    TPictureHandler::Install(*document());
    SetColor(TColors::clWhite);
    updateWrap();
    connect(this, &QTextEdit::textChanged, this, [this] {
        if (!loading_ && OnChange)
            OnChange();
    });
    connect(this, &QTextEdit::cursorPositionChanged, this, [this] { restartCaret(); });
    connect(this, &QTextEdit::selectionChanged, this, [this] {
        if (zoomed())
            viewport()->update();
    });
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, [this] { adjustScrollRange(); });
    // The text never scrolls sideways: it wraps inside the page, and an
    // offset would hide the first letters of every line.
    connect(horizontalScrollBar(), &QScrollBar::rangeChanged, this, [this] {
        if (horizontalScrollBar()->maximum() != 0)
            horizontalScrollBar()->setRange(0, 0);
    });
}

TWPRichText::~TWPRichText() = default;

// ---- the text ----

void TWPRichText::LoadFromStorage(const TWPRtfStorage& storage)
{
    SetRtfText(storage.RtfText());
}

void TWPRichText::SaveToStorage(TWPRtfStorage& storage)
{
    GetRtfText(storage.RtfText());
}

void TWPRichText::SetRtfText(const TWPRtfText& text)
{
    loadedBytes_ = text.RtfBytes();
    pending_ = text.SharedDocument();
    if (isVisible())
        materialize();
}

void TWPRichText::GetRtfText(TWPRtfText& text)
{
    if (pending_ || !document()->isModified()) {
        text.SetRtfBytes(loadedBytes_);
        return;
    }
    text.SetDocument(*document());
    loadedBytes_ = text.RtfBytes();
    document()->setModified(false);
}

bool TWPRichText::IsEmpty() const
{
    return !DocumentHasContent(pending_ ? *pending_ : *document());
}

void TWPRichText::Clear()
{
    pending_.reset();
    loadedBytes_.clear();
    loading_ = true;
    QTextEdit::clear();
    document()->setModified(false);
    loading_ = false;
}

QString TWPRichText::PlainText()
{
    return pending_ ? pending_->toPlainText() : toPlainText();
}

QTextDocument* TWPRichText::EditDocument()
{
    materialize();
    return document();
}

void TWPRichText::materialize()
{
    if (!pending_)
        return;
    const std::shared_ptr<QTextDocument> source = std::move(pending_);
    pending_.reset();
    adoptDocument(source->clone(this));
}

void TWPRichText::adoptDocument(QTextDocument* copy)
{
    loading_ = true;
    const QFont font = copy->defaultFont();
    copy->setDocumentMargin(0);
    copy->setUndoRedoEnabled(true);
    TPictureHandler::Install(*copy);
    TRichTextPainter::PrepareDocument(*copy, TRichTextLayout{100, 0, layout_.marginsTwips, true, false});
    setDocument(copy);   // frees the previous document, a child of this control
    if (copy->defaultFont() != font)
        copy->setDefaultFont(font);
    copy->setModified(false);
    moveCursor(QTextCursor::Start);
    updateWrap();
    loading_ = false;
}

// ---- layout ----

void TWPRichText::SetZoom(int percent)
{
    percent = std::clamp(percent, 1, 1000);
    if (percent == layout_.zoomPercent)
        return;
    layout_.zoomPercent = percent;
    updateWrap();
    adjustScrollRange();
    viewport()->update();
}

void TWPRichText::SetPageSize(int widthTwips, int heightTwips)
{
    layout_.pageWidthTwips = std::max(widthTwips, 0);
    pageHeightTwips_ = std::max(heightTwips, 0);
    updateWrap();
}

void TWPRichText::SetPageMargins(const QMargins& twips)
{
    layout_.marginsTwips = twips;
    TRichTextLayout screen = layout_;
    screen.printMode = false;
    TRichTextPainter::PrepareDocument(*document(), screen);
}

void TWPRichText::SetWordWrap(bool wrap)
{
    layout_.wordWrap = wrap;
    updateWrap();
}

void TWPRichText::SetPrintMode(bool printMode)
{
    layout_.printMode = printMode;
}

void TWPRichText::SetColor(TColor color)
{
    color_ = color;
    QPalette colors = palette();
    colors.setColor(QPalette::Base, ToQColor(color));
    setPalette(colors);
}

void TWPRichText::updateWrap()
{
    if (!layout_.wordWrap) {
        setLineWrapMode(QTextEdit::NoWrap);
        return;
    }
    const double width = layout_.pageWidthTwips > 0 ? TRichTextPainter::TwipsToPixels(layout_.pageWidthTwips)
                                                    : viewport()->width() / zoomFactor();
    setLineWrapMode(QTextEdit::FixedPixelWidth);
    // Rounded as the painter rounds the wrap width.
    setLineWrapColumnOrWidth(std::max(1, int(std::round(width))));
}

void TWPRichText::adjustScrollRange()
{
    // The editor measures its scroll range unzoomed; what it shows is zoomed.
    if (!zoomed() || adjustingScroll_)
        return;
    adjustingScroll_ = true;
    QScrollBar* bar = verticalScrollBar();
    const double visible = viewport()->height() / zoomFactor();
    const int maximum = std::max(0, int(std::ceil(document()->size().height() - visible)));
    if (bar->maximum() != maximum)
        bar->setRange(0, maximum);
    adjustingScroll_ = false;
}

// ---- painting ----

void TWPRichText::PaintTo(QPainter& painter, int x, int y, int width, int height)
{
    const QRect target(x, y, width, height);
    if (pending_) {
        TRichTextPainter::Paint(*pending_, painter, target, layout_);
        return;
    }
    // The edited document keeps the editor's own layout afterwards.
    QTextDocument* edited = document();
    const double textWidth = edited->textWidth();
    const bool designMetrics = edited->useDesignMetrics();
    TRichTextPainter::Paint(*edited, painter, target, layout_);
    if (edited->useDesignMetrics() != designMetrics)
        edited->setUseDesignMetrics(designMetrics);
    if (edited->textWidth() != textWidth)
        edited->setTextWidth(textWidth);
}

void TWPRichText::paintEvent(QPaintEvent* event)
{
    if (!zoomed()) {
        QTextEdit::paintEvent(event);
        return;
    }
    // The editor draws unzoomed; at other zooms the document is drawn here,
    // scaled, with the caret and the selection.
    const double zoom = zoomFactor();
    const QPointF offset(0, verticalScrollBar()->value());
    QPainter painter(viewport());
    painter.scale(zoom, zoom);
    painter.translate(-offset);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    context.palette.setColor(QPalette::Text, Qt::black);
    const QTextCursor cursor = textCursor();
    if (hasFocus() && caretVisible_ && !isReadOnly())
        context.cursorPosition = cursor.position();
    if (cursor.hasSelection()) {
        QAbstractTextDocumentLayout::Selection selection;
        selection.cursor = cursor;
        selection.format.setBackground(palette().brush(QPalette::Highlight));
        selection.format.setForeground(palette().brush(QPalette::HighlightedText));
        context.selections.append(selection);
    }
    context.clip = QRectF(offset, QSizeF(viewport()->width() / zoom, viewport()->height() / zoom));
    document()->documentLayout()->draw(&painter, context);
    // Partial updates come in unzoomed coordinates; draw everything.
    if (event->rect() != viewport()->rect())
        viewport()->update();
}

void TWPRichText::restartCaret()
{
    caretVisible_ = true;
    if (hasFocus() && QApplication::cursorFlashTime() > 0)
        caretTimer_.start(QApplication::cursorFlashTime() / 2, this);
    if (zoomed())
        viewport()->update();
}

void TWPRichText::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == caretTimer_.timerId()) {
        caretVisible_ = !caretVisible_;
        if (zoomed())
            viewport()->update();
        return;
    }
    QTextEdit::timerEvent(event);
}

// ---- events ----

void TWPRichText::resizeEvent(QResizeEvent* event)
{
    QTextEdit::resizeEvent(event);
    updateWrap();
    adjustScrollRange();
}

void TWPRichText::showEvent(QShowEvent* event)
{
    materialize();
    QTextEdit::showEvent(event);
    updateWrap();
}

void TWPRichText::focusInEvent(QFocusEvent* event)
{
    materialize();
    QTextEdit::focusInEvent(event);
    restartCaret();
}

void TWPRichText::focusOutEvent(QFocusEvent* event)
{
    caretTimer_.stop();
    QTextEdit::focusOutEvent(event);
    if (zoomed())
        viewport()->update();
}

void TWPRichText::mousePressEvent(QMouseEvent* event)
{
    if (!zoomed())
        return QTextEdit::mousePressEvent(event);
    QMouseEvent mapped = mappedMouseEvent(event, toDocumentView(event->position()));
    QTextEdit::mousePressEvent(&mapped);
    event->setAccepted(mapped.isAccepted());
}

void TWPRichText::mouseMoveEvent(QMouseEvent* event)
{
    if (!zoomed())
        return QTextEdit::mouseMoveEvent(event);
    QMouseEvent mapped = mappedMouseEvent(event, toDocumentView(event->position()));
    QTextEdit::mouseMoveEvent(&mapped);
    event->setAccepted(mapped.isAccepted());
}

void TWPRichText::mouseReleaseEvent(QMouseEvent* event)
{
    if (!zoomed())
        return QTextEdit::mouseReleaseEvent(event);
    QMouseEvent mapped = mappedMouseEvent(event, toDocumentView(event->position()));
    QTextEdit::mouseReleaseEvent(&mapped);
    event->setAccepted(mapped.isAccepted());
}

void TWPRichText::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!zoomed())
        return QTextEdit::mouseDoubleClickEvent(event);
    QMouseEvent mapped = mappedMouseEvent(event, toDocumentView(event->position()));
    QTextEdit::mouseDoubleClickEvent(&mapped);
    event->setAccepted(mapped.isAccepted());
}

void TWPRichText::dragMoveEvent(QDragMoveEvent* event)
{
    if (!zoomed())
        return QTextEdit::dragMoveEvent(event);
    QDragMoveEvent mapped(toDocumentView(event->position()).toPoint(), event->possibleActions(), event->mimeData(),
                          event->buttons(), event->modifiers());
    QTextEdit::dragMoveEvent(&mapped);
    event->setDropAction(mapped.dropAction());
    event->setAccepted(mapped.isAccepted());
}

void TWPRichText::dropEvent(QDropEvent* event)
{
    materialize();
    if (!zoomed())
        return QTextEdit::dropEvent(event);
    QDropEvent mapped(toDocumentView(event->position()), event->possibleActions(), event->mimeData(),
                      event->buttons(), event->modifiers());
    QTextEdit::dropEvent(&mapped);
    event->setDropAction(mapped.dropAction());
    event->setAccepted(mapped.isAccepted());
}

// ---- clipboard ----

QMimeData* TWPRichText::createMimeDataFromSelection() const
{
    QMimeData* data = QTextEdit::createMimeDataFromSelection();
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return data;
    // The selection as RTF, with its pictures, for pasting into any text.
    QTextDocument selection;
    selection.setDefaultFont(document()->defaultFont());
    QTextCursor(&selection).insertFragment(cursor.selection());
    for (QTextBlock block = selection.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QUrl name(format.toImageFormat().name());
            selection.addResource(QTextDocument::ImageResource, name,
                                  document()->resource(QTextDocument::ImageResource, name));
        }
    }
    const QByteArray rtf = TRtfWriter::Write(selection);
    data->setData(QString::fromLatin1(kRtfMimeTypes[0]), rtf);
    return data;
}

bool TWPRichText::canInsertFromMimeData(const QMimeData* source) const
{
    for (const char* type : kRtfMimeTypes)
        if (source->hasFormat(QString::fromLatin1(type)))
            return true;
    return source->hasImage() || QTextEdit::canInsertFromMimeData(source);
}

void TWPRichText::insertFromMimeData(const QMimeData* source)
{
    materialize();
    for (const char* type : kRtfMimeTypes) {
        const QByteArray rtf = source->data(QString::fromLatin1(type));
        if (rtf.isEmpty())
            continue;
        QTextCursor cursor = textCursor();
        cursor.beginEditBlock();
        cursor.removeSelectedText();
        TRtfReader::Insert(rtf, cursor);
        cursor.endEditBlock();
        setTextCursor(cursor);
        ensureCursorVisible();
        return;
    }
    if (source->hasImage()) {
        InsertPicture(qvariant_cast<QImage>(source->imageData()));
        return;
    }
    QTextEdit::insertFromMimeData(source);
}

// ---- editing ----

void TWPRichText::AppendParagraph(const QString& text)
{
    materialize();
    const QTextCharFormat format = currentCharFormat();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    if (DocumentHasContent(*document())) {
        cursor.movePosition(QTextCursor::End);
        cursor.insertBlock(cursor.blockFormat(), format);
    } else {
        cursor.select(QTextCursor::Document);
        cursor.removeSelectedText();
        cursor.setBlockCharFormat(format);
    }
    cursor.insertText(text, format);
    cursor.endEditBlock();
}

void TWPRichText::InsertPicture(const QImage& image)
{
    if (image.isNull())
        return;
    materialize();
    TRichPicture picture;
    picture.image = image;
    if (image.width() > TRichPicture::MaxPixelSide || image.height() > TRichPicture::MaxPixelSide)
        picture.image = image.scaled(TRichPicture::MaxPixelSide, TRichPicture::MaxPixelSide, Qt::KeepAspectRatio,
                                     Qt::SmoothTransformation);
    picture.displaySize = picture.image.deviceIndependentSize();
    QTextCursor cursor = textCursor();
    picture.InsertAt(cursor);
    setTextCursor(cursor);
}

TWPWritingAttributes TWPRichText::WritingAttributes() const
{
    const_cast<TWPRichText*>(this)->materialize();
    const QTextCharFormat format = currentCharFormat();
    const QFont documentFont = document()->defaultFont();
    TWPWritingAttributes attributes;
    const QStringList families = format.fontFamilies().toStringList();
    attributes.fontName = families.isEmpty() || families.first().isEmpty() ? documentFont.family() : families.first();
    if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0)
        attributes.size = format.fontPointSize();
    else if (documentFont.pointSizeF() > 0)
        attributes.size = documentFont.pointSizeF();
    if (format.hasProperty(QTextFormat::FontWeight) && format.fontWeight() >= QFont::DemiBold)
        attributes.style |= TFont::fsBold;
    if (format.fontItalic())
        attributes.style |= TFont::fsItalic;
    if (format.fontUnderline())
        attributes.style |= TFont::fsUnderline;
    if (format.fontStrikeOut())
        attributes.style |= TFont::fsStrikeOut;
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush)
        attributes.color = FromQColor(format.foreground().color());
    return attributes;
}

void TWPRichText::SetWritingAttributes(const TWPWritingAttributes& attributes)
{
    QTextCharFormat format;
    format.setFontFamilies(QStringList{attributes.fontName});
    format.setFontPointSize(attributes.size > 0 ? attributes.size : 12);
    format.setFontWeight(attributes.style & TFont::fsBold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(attributes.style & TFont::fsItalic);
    format.setFontUnderline(attributes.style & TFont::fsUnderline);
    format.setFontStrikeOut(attributes.style & TFont::fsStrikeOut);
    format.setForeground(ToQColor(attributes.color));
    ApplyCharFormat(format);
}

void TWPRichText::ApplyCharFormat(const QTextCharFormat& format)
{
    materialize();
    mergeCurrentCharFormat(format);
}

void TWPRichText::ApplyAlignment(Qt::Alignment alignment)
{
    materialize();
    setAlignment(alignment);
}
