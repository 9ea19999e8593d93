#pragma once
#include <QBasicTimer>
#include <QByteArray>
#include <QImage>
#include <QMargins>
#include <QTextEdit>
#include <functional>
#include <memory>

#include "persist/Color.h"
#include "richtext/RichTextPainter.h"
#include "richtext/WritingAttributes.h"

class TWPRtfStorage;
class TWPRtfText;

// The rich-text control: an editor with caret, mouse and keyboard (Ctrl+A
// selects all), and a painter of its text into any QPainter. Used hidden to
// paint texts (day cells, rich-text boxes) and visible to edit them.
//
// Its page (width and height in twips, margins) sets where the text wraps;
// its zoom scales what it shows and paints. A text loaded while the control
// is hidden is painted from the text's shared parsed form and copied into
// the editor only when the control is shown, focused or edited, so painting
// many texts through one hidden control parses and lays out nothing twice.
// Read the text through the functions here (PlainText, EditDocument, Store),
// not through QTextEdit::document(), which may not hold it yet.
class TWPRichText : public QTextEdit {
    Q_OBJECT
public:
    explicit TWPRichText(QWidget* parent = nullptr);
    ~TWPRichText() override;

    // The text: loaded as a copy, stored as a copy. A text stored without
    // having been changed keeps its original bytes.
    void LoadFromStorage(const TWPRtfStorage& storage);
    void SaveToStorage(TWPRtfStorage& storage);
    void SetRtfText(const TWPRtfText& text);
    void GetRtfText(TWPRtfText& text);
    bool IsEmpty() const;
    void Clear();
    QString PlainText();
    // The document being edited (after copying a pending text into it).
    QTextDocument* EditDocument();

    // Zoom in percent (1 to 1000).
    int Zoom() const { return layout_.zoomPercent; }
    void SetZoom(int percent);
    // The page in twips; a width of 0 wraps at the control's width.
    int PageWidth() const { return layout_.pageWidthTwips; }
    int PageHeight() const { return pageHeightTwips_; }
    void SetPageSize(int widthTwips, int heightTwips);
    QMargins PageMargins() const { return layout_.marginsTwips; }
    void SetPageMargins(const QMargins& twips);
    bool WordWrap() const { return layout_.wordWrap; }
    void SetWordWrap(bool wrap);
    bool PrintMode() const { return layout_.printMode; }
    void SetPrintMode(bool printMode);
    // Background of the visible editor; painting into a canvas never fills.
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // Whether Tab is typed into the text (else it moves the focus).
    void SetWantTabs(bool want) { setTabChangesFocus(!want); }

    // Paints the page into (x, y, width, height) of the painter at the zoom,
    // in screen or print mode.
    void PaintTo(QPainter& painter, int x, int y, int width, int height);
    void PaintTo(QPainter& painter, const QRect& target) { PaintTo(painter, target.x(), target.y(), target.width(), target.height()); }

    // Appends plain text as a new paragraph at the end, written with the
    // current writing attributes (an empty text takes it as its first one).
    void AppendParagraph(const QString& text);
    // Inserts a picture at the caret, shown at its pixel size.
    void InsertPicture(const QImage& image);

    // The attributes typing uses; setting them also formats a selection.
    TWPWritingAttributes WritingAttributes() const;
    void SetWritingAttributes(const TWPWritingAttributes& attributes);
    // Formats typing (and a selection) with the given character properties.
    void ApplyCharFormat(const QTextCharFormat& format);
    void ApplyAlignment(Qt::Alignment alignment);

    // Called after every change of the text (not when a text is loaded).
    std::function<void()> OnChange;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void materialize();
    void adoptDocument(QTextDocument* document);
    void updateWrap();
    void adjustScrollRange();
    void restartCaret();
    double zoomFactor() const { return layout_.zoomPercent / 100.0; }
    bool zoomed() const { return layout_.zoomPercent != 100; }
    QPointF toDocumentView(const QPointF& point) const { return point / zoomFactor(); }

    TRichTextLayout layout_;
    int pageHeightTwips_ = 0;
    TColor color_ = TColors::clWhite;

    // A text loaded but not yet copied into the editor.
    std::shared_ptr<QTextDocument> pending_;
    // The bytes of the text last loaded or stored.
    QByteArray loadedBytes_;
    bool loading_ = false;

    QBasicTimer caretTimer_;
    bool caretVisible_ = true;
    bool adjustingScroll_ = false;
};
