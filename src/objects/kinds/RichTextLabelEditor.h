#pragma once
// TRichTextLabelEditor: "Rich Text Editor", the dialog a rich-text box is
// edited in. The text panel shows the box's page at the box's size and zoom;
// the toolbar's two zoom buttons step the zoom by 10 between 50 and 100 and
// resize the panel with it.
#include <QDialog>

#include "persist/Color.h"

class QAction;
class QFrame;
class QScrollArea;
class TWPRichText;
class TWPToolBar;

class TRichTextLabelEditor : public QDialog {
    Q_OBJECT
public:
    explicit TRichTextLabelEditor(QWidget* parent = nullptr);
    ~TRichTextLabelEditor() override;

    TWPRichText* Editor() const { return editor_; }
    TWPToolBar* ToolBar() const { return toolBar_; }
    QFrame* Panel() const { return panel_; }

    void SetPanelColor(TColor color);
    // The panel's size at its position.
    void SetPanelSize(const QSize& size);
    int Zoom() const;
    void SetZoom(int percent);

    // The toolbar's zoom buttons.
    void ZoomIn();
    void ZoomOut();

    // What activation does (once): shows the panel, gives the editor the
    // focus with the caret at the start and remembers the panel's size and
    // the zoom as the base of the zoom buttons.
    void Activate();
    // Gives back the busy cursor the editor holds while it is being set up.
    void ReleaseBusyCursor();
    bool Activated() const { return activated_; }

    static constexpr int HelpTopic = 40013;

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void rescalePanel();

    TWPToolBar* toolBar_ = nullptr;
    QScrollArea* scrollBox_ = nullptr;
    QFrame* panel_ = nullptr;
    TWPRichText* editor_ = nullptr;
    bool activated_ = false;
    bool busyCursorHeld_ = false;
    QSize baseSize_;
    int baseZoom_ = 100;
};
