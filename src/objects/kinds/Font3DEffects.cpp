#include "objects/kinds/Font3DEffects.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "objects/kinds/ColorDrop.h"
#include "objects/kinds/GPLabel.h"
#include "objects/kinds/KindDialogs.h"

namespace {

QStringList depthItems()
{
    QStringList items;
    for (int depth = 0; depth <= 10; ++depth)
        items << QString::number(depth);
    return items;
}

// The lists offer depths 0 to 10; a deeper copy shows no row.
int depthRow(int depth)
{
    return depth >= 0 && depth <= 10 ? depth : -1;
}

} // namespace

TGFont3DEffects::TGFont3DEffects(TGBaseLabel& label, QWidget* mainWindow) : QDialog(mainWindow), label_(label)
{
    setObjectName(QStringLiteral("GFont3DEffects"));
    setWindowTitle(QStringLiteral("Text 3D Effects"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    auto* column = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    column->addLayout(groups);

    const auto group = [this, groups](const QString& title) {
        auto* box = new QGroupBox(title, this);
        auto* layout = new QVBoxLayout(box);
        groups->addWidget(box);
        return layout;
    };
    const auto captioned = [this](QVBoxLayout* layout, const QString& caption, QWidget* control) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(control);
        label->setWhatsThis(control->whatsThis());
        layout->addWidget(label);
        layout->addWidget(control);
    };

    QVBoxLayout* shadow = group(QStringLiteral("Shadow"));
    shadowDirection_ = dropList(QStringLiteral("ShadowDirection"),
                                {QStringLiteral("None"), QStringLiteral("Right"), QStringLiteral("Left"),
                                 QStringLiteral("Lower Right"), QStringLiteral("Lower Left"), QStringLiteral("Down")},
                                QStringLiteral("Where the shadow copy of the text falls."));
    shadowColor_ = colorList(QStringLiteral("ShadowColorCombo"), QStringLiteral("The colour of the shadow copy."));
    shadowDepth_ = dropList(QStringLiteral("ShadowDepth"), depthItems(),
                            QStringLiteral("How many pixels the shadow copy lies from the text."));
    captioned(shadow, QStringLiteral("Shadow Direction"), shadowDirection_);
    captioned(shadow, QStringLiteral("Shadow Color"), shadowColor_);
    captioned(shadow, QStringLiteral("Shadow Depth"), shadowDepth_);

    QVBoxLayout* highlight = group(QStringLiteral("Highlight"));
    highlightDirection_ = dropList(QStringLiteral("HighlightDirection"),
                                   {QStringLiteral("None"), QStringLiteral("Right"), QStringLiteral("Left"),
                                    QStringLiteral("Upper Right"), QStringLiteral("Upper Left"), QStringLiteral("Up")},
                                   QStringLiteral("Where the highlight copy of the text falls."));
    highlightColor_ =
        colorList(QStringLiteral("HighLightColorCombo"), QStringLiteral("The colour of the highlight copy."));
    highlightDepth_ = dropList(QStringLiteral("HighLightDepth"), depthItems(),
                               QStringLiteral("How many pixels the highlight copy lies from the text."));
    captioned(highlight, QStringLiteral("Highlight Direction"), highlightDirection_);
    captioned(highlight, QStringLiteral("Highlight Color"), highlightColor_);
    captioned(highlight, QStringLiteral("Highlight Depth"), highlightDepth_);

    QVBoxLayout* text = group(QStringLiteral("Text"));
    fontColor_ = colorList(QStringLiteral("FontColorCombo"), QStringLiteral("The colour of the text itself."));
    captioned(text, QStringLiteral("Font Color"), fontColor_);
    text->addStretch(1);

    preview_ = new QFrame(this);
    preview_->setObjectName(QStringLiteral("PreviewPanel"));
    preview_->setFrameShape(QFrame::Panel);
    preview_->setFrameShadow(QFrame::Sunken);
    preview_->setFixedSize(437, 85);
    preview_->setAutoFillBackground(true);
    preview_->setWhatsThis(QStringLiteral("Shows the text with the effects chosen above."));
    column->addWidget(preview_, 0, Qt::AlignHCenter);

    // The sample copies the label's font, depths, directions and colours.
    sample_ = new TGPLabel(nullptr, preview_);
    sample_->SetName(QStringLiteral("Sample"));
    sample_->SetCaption(QStringLiteral("Text"));
    sample_->Font().Assign(label.Font());
    sample_->SetDepthShadow(label.DepthShadow());
    sample_->SetDepthHighlight(label.DepthHighlight());
    sample_->SetDirectionShadow(label.DirectionShadow());
    sample_->SetDirectionHighlight(label.DirectionHighlight());
    sample_->SetcolorShadow(label.colorShadow());
    sample_->SetcolorHighlight(label.colorHighlight());
    sample_->SetBounds(preview_->contentsRect().x(), preview_->contentsRect().y(), preview_->contentsRect().width(),
                       preview_->contentsRect().height());
    sample_->setWhatsThis(preview_->whatsThis());

    shadowDirection_->setCurrentIndex(label.DirectionShadow());
    highlightDirection_->setCurrentIndex(label.DirectionHighlight());
    shadowDepth_->setCurrentIndex(depthRow(label.DepthShadow()));
    highlightDepth_->setCurrentIndex(depthRow(label.DepthHighlight()));
    shadowColor_->SetColor(label.colorShadow());
    highlightColor_->SetColor(label.colorHighlight());
    fontColor_->SetColor(label.Font().Color());

    // Each choice shows on the sample at once.
    connect(shadowDirection_, qOverload<int>(&QComboBox::activated), this,
            [this](int row) { sample_->SetDirectionShadow(TShadowDirection(row)); });
    connect(highlightDirection_, qOverload<int>(&QComboBox::activated), this,
            [this](int row) { sample_->SetDirectionHighlight(THighlightDirection(row)); });
    connect(shadowDepth_, qOverload<int>(&QComboBox::activated), this, [this](int row) { sample_->SetDepthShadow(row); });
    connect(highlightDepth_, qOverload<int>(&QComboBox::activated), this,
            [this](int row) { sample_->SetDepthHighlight(row); });
    connect(shadowColor_, &TColorDrop::ColorChosen, this, [this](TColor color) { sample_->SetcolorShadow(color); });
    connect(highlightColor_, &TColorDrop::ColorChosen, this,
            [this](TColor color) { sample_->SetcolorHighlight(color); });
    connect(fontColor_, &TColorDrop::ColorChosen, this, [this](TColor color) { sample_->Font().SetColor(color); });

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    ok->setWhatsThis(QStringLiteral("Gives the label these effects and closes the window."));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancelbutton"));
    cancel->setAutoDefault(false);
    cancel->setWhatsThis(QStringLiteral("Closes the window and leaves the label as it was."));
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(MakeHelpButton(*this, QStringLiteral("Helpbutton"), HelpTopic));
    buttons->addWidget(MakeMouseHelpButton(*this));
    column->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TGFont3DEffects::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(467, 338);
    CenterDialog(*this, mainWindow);
}

QComboBox* TGFont3DEffects::dropList(const QString& name, const QStringList& items, const QString& help)
{
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    list->addItems(items);
    list->setWhatsThis(help);
    return list;
}

TColorDrop* TGFont3DEffects::colorList(const QString& name, const QString& help)
{
    auto* list = new TColorDrop(this);
    list->setObjectName(name);
    list->setWhatsThis(help);
    return list;
}

void TGFont3DEffects::okClicked()
{
    label_.Font().Assign(sample_->Font());
    label_.SetDepthShadow(sample_->DepthShadow());
    label_.SetDepthHighlight(sample_->DepthHighlight());
    label_.SetDirectionShadow(sample_->DirectionShadow());
    label_.SetDirectionHighlight(sample_->DirectionHighlight());
    label_.SetcolorShadow(sample_->colorShadow());
    label_.SetcolorHighlight(sample_->colorHighlight());
    accept();
}
