#include "app/FontColorDialog.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/ColorSwatchButton.h"
#include "objects/FontChooser.h"

TFontColorDialog::TFontColorDialog(const TFont& font, QWidget* parent)
    : QDialog(parent)
    , original_(font)
{
    setWindowTitle(tr("Font"));
    auto* layout = new QVBoxLayout(this);

    // The chooser lives inside this dialog as a plain widget.
    chooser_ = new QFontDialog(this);
    chooser_->setObjectName(QStringLiteral("FontChooser"));
    chooser_->setWindowFlags(Qt::Widget);
    chooser_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    chooser_->setCurrentFont(FontDialogPreset(font));
    layout->addWidget(chooser_);

    auto* row = new QHBoxLayout;
    colorButton_ = new TColorSwatchButton(tr("Text &Color..."), this);
    colorButton_->setObjectName(QStringLiteral("FontColorButton"));
    colorButton_->SetColor(font.Color());
    colorButton_->setWhatsThis(tr("The colour the text is drawn in."));
    row->addWidget(colorButton_);
    row->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    row->addWidget(buttons);
    layout->addLayout(row);
}

TFont TFontColorDialog::ChosenFont() const
{
    TFont result = FontFromDialog(original_, chooser_->currentFont());
    result.SetColor(colorButton_->Color());
    return result;
}
