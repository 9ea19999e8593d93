#include "richtext/WPToolBar.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QTextCharFormat>
#include <QToolButton>

#include "persist/Color.h"
#include "persist/Font.h"
#include "richtext/ToolBarIcons.h"
#include "richtext/WPRichText.h"
#include "richtext/WritingAttributes.h"

namespace {
const char* const kColorNames[16] = {
    "Black", "Maroon", "Green", "Olive", "Navy", "Purple", "Teal", "Gray",
    "Silver", "Red", "Lime", "Yellow", "Blue", "Fuchsia", "Aqua", "White",
};
} // namespace

const QList<int>& TWPToolBar::FontSizes()
{
    static const QList<int> sizes = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
    return sizes;
}

TWPToolBar::TWPToolBar(QWidget* parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("WPToolBar"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));

    fontNames_ = new QFontComboBox(this);
    fontNames_->setObjectName(QStringLiteral("FontNameList"));
    fontNames_->setFontFilters(QFontComboBox::ScalableFonts);
    fontNames_->setEditable(false);
    fontNames_->setMaximumWidth(170);
    addWidget(fontNames_);
    connect(fontNames_, &QFontComboBox::textActivated, this, [this](const QString& family) {
        QTextCharFormat format;
        format.setFontFamilies(QStringList{family});
        applyFormat(format);
    });

    fontSizes_ = new QComboBox(this);
    fontSizes_->setObjectName(QStringLiteral("FontSizeList"));
    for (int size : FontSizes())
        fontSizes_->addItem(QString::number(size));
    fontSizes_->setMaximumWidth(60);
    addWidget(fontSizes_);
    connect(fontSizes_, &QComboBox::textActivated, this, &TWPToolBar::applySize);

    fontColors_ = new QComboBox(this);
    fontColors_->setObjectName(QStringLiteral("FontColorList"));
    const auto& table = WPColorTable();
    for (size_t i = 0; i < table.size(); ++i)
        fontColors_->addItem(ColorSwatchIcon(ToQColor(table[i])), QString::fromLatin1(kColorNames[i]));
    addWidget(fontColors_);
    connect(fontColors_, &QComboBox::activated, this, [this](int index) {
        if (index < 0 || index >= int(WPColorTable().size()))
            return;
        QTextCharFormat format;
        format.setForeground(ToQColor(WPColorTable()[size_t(index)]));
        applyFormat(format);
    });

    // The lists are picked with the mouse and never take the focus: the
    // editor they format keeps it (the main window enables this toolbar only
    // while its editor has the focus).
    for (QComboBox* list : {static_cast<QComboBox*>(fontNames_), fontSizes_, fontColors_})
        list->setFocusPolicy(Qt::NoFocus);

    addSeparator();
    addButton(Normal, "Normal", QStringLiteral("Normal Font"), false)->setVisible(false);
    addButton(Bold, "Bold", QStringLiteral("Bold Font"), true);
    addButton(Italic, "Italic", QStringLiteral("Italic Font"), true);
    addButton(Underline, "Underline", QStringLiteral("Underlined Font"), true);
    addSeparator();
    alignment_ = new QActionGroup(this);
    alignment_->setExclusive(true);
    alignment_->addAction(addButton(Left, "Left", QStringLiteral("Left Justify Text"), true));
    alignment_->addAction(addButton(Right, "Right", QStringLiteral("Right Justify Text"), true));
    alignment_->addAction(addButton(Justify, "Justify", QStringLiteral("Justify Text"), true));
    alignment_->addAction(addButton(Center, "Center", QStringLiteral("Center Text "), true));
    addSeparator();
    addButton(Copy, "Copy", QStringLiteral("Copy Text"), false);
    addButton(Cut, "Cut", QStringLiteral("Cut Text"), false);
    addButton(Paste, "Paste", QStringLiteral("Paste Text"), false);
    addButton(SelectAll, "SelectAll", QStringLiteral("Select All"), false);

    connect(actions_[Normal], &QAction::triggered, this, [this] {
        QTextCharFormat format;
        format.setFontWeight(QFont::Normal);
        format.setFontItalic(false);
        format.setFontUnderline(false);
        format.setFontStrikeOut(false);
        applyFormat(format);
    });
    connect(actions_[Bold], &QAction::triggered, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontWeight(on ? QFont::Bold : QFont::Normal);
        applyFormat(format);
    });
    connect(actions_[Italic], &QAction::triggered, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontItalic(on);
        applyFormat(format);
    });
    connect(actions_[Underline], &QAction::triggered, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontUnderline(on);
        applyFormat(format);
    });
    const std::pair<Button, Qt::Alignment> alignments[] = {
        {Left, Qt::AlignLeft | Qt::AlignAbsolute},
        {Right, Qt::AlignRight | Qt::AlignAbsolute},
        {Justify, Qt::AlignJustify},
        {Center, Qt::AlignHCenter},
    };
    for (const auto& [button, alignment] : alignments) {
        const Qt::Alignment value = alignment;
        connect(actions_[button], &QAction::triggered, this, [this, value] {
            if (editor_)
                editor_->ApplyAlignment(value);
            returnFocus();
        });
    }
    auto editCommand = [this](Button button, void (QTextEdit::*command)()) {
        connect(actions_[button], &QAction::triggered, this, [this, command] {
            if (!editor_)
                return;
            editor_->EditDocument();
            (editor_.data()->*command)();
            returnFocus();
        });
    };
    editCommand(Copy, &QTextEdit::copy);
    editCommand(Cut, &QTextEdit::cut);
    editCommand(Paste, &QTextEdit::paste);
    editCommand(SelectAll, &QTextEdit::selectAll);
}

QAction* TWPToolBar::addButton(Button button, const char* name, const QString& hint, bool checkable)
{
    static const char* const iconNames[] = {"normal", "bold", "italic", "underline", "left", "right",
                                            "justify", "center", "copy", "cut", "paste", "selectall"};
    QAction* action = addAction(ToolBarIcon(iconNames[button]), hint);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(hint);
    action->setCheckable(checkable);
    if (QWidget* widget = widgetForAction(action)) {
        widget->setObjectName(QString::fromLatin1(name) + QStringLiteral("Button"));
        widget->setFocusPolicy(Qt::NoFocus);
    }
    actions_[button] = action;
    return action;
}

void TWPToolBar::SetEditor(TWPRichText* editor)
{
    if (editor_ == editor)
        return;
    for (const QMetaObject::Connection& connection : editorConnections_)
        disconnect(connection);
    editorConnections_.clear();
    editor_ = editor;
    if (editor) {
        editorConnections_.append(connect(editor, &QTextEdit::currentCharFormatChanged, this, &TWPToolBar::refresh));
        editorConnections_.append(connect(editor, &QTextEdit::cursorPositionChanged, this, &TWPToolBar::refresh));
        refresh();
    }
}

void TWPToolBar::applyFormat(const QTextCharFormat& format)
{
    if (refreshing_ || !editor_)
        return;
    editor_->ApplyCharFormat(format);
    returnFocus();
}

void TWPToolBar::applySize(const QString& text)
{
    bool ok = false;
    const double size = text.trimmed().toDouble(&ok);
    if (!ok || size < 1 || size > 1638) {
        refresh();   // back to the size at the caret
        return;
    }
    QTextCharFormat format;
    format.setFontPointSize(size);
    applyFormat(format);
}

void TWPToolBar::returnFocus()
{
    if (editor_ && editor_->isVisible())
        editor_->setFocus(Qt::OtherFocusReason);
}

void TWPToolBar::refresh()
{
    if (!editor_)
        return;
    refreshing_ = true;
    const TWPWritingAttributes attributes = editor_->WritingAttributes();
    actions_[Bold]->setChecked(attributes.style & TFont::fsBold);
    actions_[Italic]->setChecked(attributes.style & TFont::fsItalic);
    actions_[Underline]->setChecked(attributes.style & TFont::fsUnderline);

    const Qt::Alignment alignment = editor_->alignment() & Qt::AlignHorizontal_Mask;
    if (alignment & Qt::AlignJustify)
        actions_[Justify]->setChecked(true);
    else if (alignment & Qt::AlignHCenter)
        actions_[Center]->setChecked(true);
    else if (alignment & (Qt::AlignRight | Qt::AlignTrailing))
        actions_[Right]->setChecked(true);
    else
        actions_[Left]->setChecked(true);

    {
        const QSignalBlocker blockNames(fontNames_);
        int index = fontNames_->findText(attributes.fontName, Qt::MatchFixedString);
        // A name such as "Arial" may be an alias the font system maps to an
        // installed family; show the family the text is actually drawn with.
        if (index < 0 && !attributes.fontName.isEmpty())
            index = fontNames_->findText(QFontInfo(QFont(attributes.fontName)).family(), Qt::MatchFixedString);
        fontNames_->setCurrentIndex(index);
    }
    {
        const QSignalBlocker blockSizes(fontSizes_);
        fontSizes_->setCurrentIndex(fontSizes_->findText(QString::number(attributes.size)));
    }
    {
        const QSignalBlocker blockColors(fontColors_);
        const int index = WPColorTableIndex(attributes.color);
        fontColors_->setCurrentIndex(WPColorTable()[size_t(index)] == attributes.color ? index : -1);
    }
    refreshing_ = false;
}
