#include "objects/kinds/RichTextLabelEditor.h"

#include <QAction>
#include <QComboBox>
#include <QFontComboBox>
#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "objects/Cursors.h"
#include "objects/kinds/KindDialogs.h"
#include "platform/HelpViewer.h"
#include "platform/Rounding.h"
#include "richtext/WPRichText.h"
#include "richtext/WPToolBar.h"

namespace {

// Centred over the main window, or over the screen when that is maximised.
void centerOverMainWindow(QWidget& dialog)
{
    QWidget* main = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != &dialog && top->isVisible() && top->inherits("QMainWindow"))
            main = top;
    QRect area;
    if (main && !main->isMaximized())
        area = main->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    else
        return;
    const QSize size = dialog.frameGeometry().size();
    dialog.move(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}

} // namespace

TRichTextLabelEditor::TRichTextLabelEditor(QWidget* parent) : QDialog(parent)
{
    // Busy from here until the editor is up and filled (Activate).
    QApplication::setOverrideCursor(Qt::WaitCursor);
    busyCursorHeld_ = true;
    setObjectName(QStringLiteral("RichTextLabelEditor"));
    setWindowTitle(QStringLiteral("Rich Text Editor"));
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint);
    setSizeGripEnabled(true);
    resize(601, 343);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    toolBar_ = new TWPToolBar(this);
    toolBar_->setObjectName(QStringLiteral("WPToolBar1"));
    column->addWidget(toolBar_);

    scrollBox_ = new QScrollArea(this);
    scrollBox_->setObjectName(QStringLiteral("ScrollBox"));
    auto* holder = new QWidget;
    holder->setObjectName(QStringLiteral("PanelHolder"));
    panel_ = new QFrame(holder);
    panel_->setObjectName(QStringLiteral("WPPanel"));
    panel_->setFrameShape(QFrame::Box);
    panel_->setLineWidth(1);
    panel_->setAutoFillBackground(true);
    SetPanelColor(TColors::clWhite);
    panel_->hide();
    auto* panelLayout = new QVBoxLayout(panel_);
    panelLayout->setContentsMargins(1, 1, 1, 1);
    editor_ = new TWPRichText(panel_);
    editor_->setObjectName(QStringLiteral("WPRichText1"));
    editor_->setFrameShape(QFrame::NoFrame);
    editor_->SetWordWrap(true);
    panelLayout->addWidget(editor_);
    scrollBox_->setWidget(holder);
    column->addWidget(scrollBox_, 1);
    toolBar_->SetEditor(editor_);
    // Room for the zoom buttons at the toolbar's end.
    toolBar_->FontNameList()->setMaximumWidth(120);
    toolBar_->ButtonAction(TWPToolBar::SelectAll)->setVisible(false);
    toolBar_->addSeparator();
    toolBar_->FontColorList()->setMaximumWidth(80);

    QAction* zoomIn = toolBar_->addAction(QStringLiteral("+"));
    zoomIn->setObjectName(QStringLiteral("ZoomInButton"));
    zoomIn->setToolTip(QStringLiteral("Zoom In"));
    QAction* zoomOut = toolBar_->addAction(QStringLiteral("\u2212"));
    zoomOut->setObjectName(QStringLiteral("ZoomOutButton"));
    zoomOut->setToolTip(QStringLiteral("Zoom Out"));
    connect(zoomIn, &QAction::triggered, this, &TRichTextLabelEditor::ZoomIn);
    connect(zoomOut, &QAction::triggered, this, &TRichTextLabelEditor::ZoomOut);

    const TDialogButtonRow buttons = MakeDialogButtonRow(*this, HelpTopic);
    // Return belongs to the text being typed, never to a button that had focus.
    for (QPushButton* b : {buttons.ok, buttons.cancel})
        b->setAutoDefault(false);
    column->addLayout(buttons.row);

    toolBar_->setWhatsThis(QStringLiteral("Fonts, sizes, colours, styles and alignment of the text; the last two "
                                          "buttons zoom the text in and out."));
    editor_->setWhatsThis(QStringLiteral("The text of the box, laid out as it will wrap on the page."));
    buttons.ok->setWhatsThis(QStringLiteral("Keep the text."));
    buttons.cancel->setWhatsThis(QStringLiteral("Leave the text as it was."));

    QCoreApplication::processEvents();
    centerOverMainWindow(*this);
}


void TRichTextLabelEditor::SetPanelColor(TColor color)
{
    QPalette palette = panel_->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    panel_->setPalette(palette);
    if (editor_)
        editor_->SetColor(color);
}

void TRichTextLabelEditor::SetPanelSize(const QSize& size)
{
    panel_->resize(size);
    if (QWidget* holder = panel_->parentWidget())
        holder->resize(size.width() + 2 * panel_->x(), size.height() + 2 * panel_->y());
}

int TRichTextLabelEditor::Zoom() const
{
    return editor_->Zoom();
}

void TRichTextLabelEditor::SetZoom(int percent)
{
    editor_->SetZoom(percent);
}

void TRichTextLabelEditor::ZoomIn()
{
    if (Zoom() < 100)
        SetZoom(Zoom() + 10);
    rescalePanel();
}

void TRichTextLabelEditor::ZoomOut()
{
    if (Zoom() > 50)
        SetZoom(Zoom() - 10);
    rescalePanel();
}

void TRichTextLabelEditor::rescalePanel()
{
    // The base is taken when the dialog is first activated.
    if (!activated_ || baseZoom_ <= 0)
        return;
    SetPanelSize(QSize(roundHalfEven(double(Zoom()) * baseSize_.width() / baseZoom_),
                       roundHalfEven(double(Zoom()) * baseSize_.height() / baseZoom_)));
}

void TRichTextLabelEditor::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Activation may not be reported where no window manager runs.
    QMetaObject::invokeMethod(this, &TRichTextLabelEditor::Activate, Qt::QueuedConnection);
}

bool TRichTextLabelEditor::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        Activate();
    return handled;
}

void TRichTextLabelEditor::Activate()
{
    if (activated_)
        return;
    activated_ = true;
    panel_->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    editor_->setFocus();
    QTextCursor start = editor_->textCursor();
    start.movePosition(QTextCursor::Start);
    editor_->setTextCursor(start);
    ReleaseBusyCursor();
    baseSize_ = panel_->size();
    baseZoom_ = Zoom();
}

TRichTextLabelEditor::~TRichTextLabelEditor()
{
    ReleaseBusyCursor();
}

void TRichTextLabelEditor::ReleaseBusyCursor()
{
    if (busyCursorHeld_) {
        busyCursorHeld_ = false;
        QApplication::restoreOverrideCursor();
    }
}
