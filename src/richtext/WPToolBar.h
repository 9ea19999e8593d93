#pragma once
#include <QPointer>
#include <QToolBar>

class QAction;
class QActionGroup;
class QComboBox;
class QFontComboBox;
class QTextCharFormat;
class TWPRichText;

// The formatting toolbar of a rich-text editor: font name list (the screen's
// fonts), size list (from 8), colour list (the editor's colour table); bold,
// italic, underline (and "normal", hidden unless shown); left, right,
// justified, centred; copy, cut, paste, select all. Linked to one editor at
// a time; it shows the editor's formats at the caret and applies its
// commands to the editor. Its lists never take the keyboard focus from the
// editor. Enabled and disabled as any widget.
class TWPToolBar : public QToolBar {
    Q_OBJECT
public:
    enum Button { Normal, Bold, Italic, Underline, Left, Right, Justify, Center, Copy, Cut, Paste, SelectAll };

    explicit TWPToolBar(QWidget* parent = nullptr);

    void SetEditor(TWPRichText* editor);
    TWPRichText* Editor() const { return editor_; }

    QAction* ButtonAction(Button button) const { return actions_[button]; }
    QFontComboBox* FontNameList() const { return fontNames_; }
    QComboBox* FontSizeList() const { return fontSizes_; }
    QComboBox* FontColorList() const { return fontColors_; }

    // The sizes the size list offers.
    static const QList<int>& FontSizes();

private:
    QAction* addButton(Button button, const char* name, const QString& hint, bool checkable);
    void applyFormat(const QTextCharFormat& format);
    void applySize(const QString& text);
    void refresh();
    void returnFocus();

    QPointer<TWPRichText> editor_;
    QList<QMetaObject::Connection> editorConnections_;
    QAction* actions_[SelectAll + 1] = {};
    QActionGroup* alignment_ = nullptr;
    QFontComboBox* fontNames_ = nullptr;
    QComboBox* fontSizes_ = nullptr;
    QComboBox* fontColors_ = nullptr;
    bool refreshing_ = false;
};
