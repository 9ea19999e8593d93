#include "objects/kinds/SuperTextProperties.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QWhatsThis>
#include <algorithm>

#include "objects/FontChooser.h"
#include "objects/kinds/GSuperText.h"
#include "objects/kinds/SuperTextBrushImageBrowser.h"
#include "objects/kinds/SuperTextGetSymbol.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBoxes.h"

namespace {

constexpr int HelpTopic = 40014;
constexpr int FitIntervalMs = 200;
constexpr int FontStep = 5;
constexpr int LargestFont = 150;
constexpr int SmallestFont = 10;

std::function<int(TSuperTextProperties&)>& execSeam()
{
    static std::function<int(TSuperTextProperties&)> seam;
    return seam;
}

QPushButton* button(const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString(caption).remove(QLatin1Char(' ')) + QStringLiteral("Button"));
    return b;
}

QComboBox* combo(const char* name, const QStringList& items, QWidget* parent)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->addItems(items);
    return c;
}

QSpinBox* spinner(const char* name, QWidget* parent)
{
    auto* s = new QSpinBox(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(0, 10);
    return s;
}

} // namespace

TSuperTextProperties::TSuperTextProperties(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SuperTextProperties"));
    setWindowTitle(QStringLiteral("SuperText Properties"));
    setModal(true);
    setFixedSize(582, 423);
    lastUsedImage_ = DefaultTexture();
    buildControls();
    if (parent) {
        const QRect over = parent->window()->frameGeometry();
        move(over.center() - rect().center());
    }
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(FitIntervalMs);
    connect(timer1_, &QTimer::timeout, this, &TSuperTextProperties::TimerTick);
    timer1_->start();
}

TSuperTextProperties::~TSuperTextProperties() = default;

void TSuperTextProperties::buildControls()
{
    auto* textLabel = new QLabel(QStringLiteral("Text"), this);
    textLabel->setGeometry(8, 6, 200, 16);
    captionText_ = new QLineEdit(this);
    captionText_->setObjectName(QStringLiteral("CaptionText"));
    captionText_->setGeometry(8, 22, 360, 30);
    connect(captionText_, &QLineEdit::textEdited, this, [this](const QString& text) {
        sample_->SetCaption(text);
        fitPending_ = true;
    });

    auto* surfaceLabel = new QLabel(QStringLiteral("Surface Type"), this);
    surfaceLabel->setGeometry(380, 6, 190, 16);
    surfaceTypeCombo_ = combo("SurfaceTypeCombo",
                              {QStringLiteral("Normal"), QStringLiteral("Transparent"), QStringLiteral("Texture"),
                               QStringLiteral("Gradient Fill")},
                              this);
    surfaceTypeCombo_->setGeometry(380, 24, 190, 26);
    connect(surfaceTypeCombo_, &QComboBox::activated, this, &TSuperTextProperties::SurfaceTypeChosen);

    // The three surface panels share one place; one shows at a time.
    const QRect panelPlace(8, 58, 282, 60);
    fontcolorPanel_ = new QWidget(this);
    fontcolorPanel_->setObjectName(QStringLiteral("FontcolorPanel"));
    fontcolorPanel_->setGeometry(panelPlace);
    auto* fontColor = button(QStringLiteral("Font Color"), fontcolorPanel_);
    fontColor->setGeometry(0, 14, 120, 28);
    connect(fontColor, &QPushButton::clicked, this, [this] {
        chooseColor([this] { return sample_->Font().Color(); },
                    [this](int color) {
                        TFont font = sample_->Font();
                        font.SetColor(color);
                        sample_->ApplyFont(font);
                    });
    });

    imagePanel_ = new QWidget(this);
    imagePanel_->setObjectName(QStringLiteral("ImagePanel"));
    imagePanel_->setGeometry(panelPlace);
    auto* loadTexture = button(QStringLiteral("Load Texture"), imagePanel_);
    loadTexture->setGeometry(0, 14, 120, 28);
    connect(loadTexture, &QPushButton::clicked, this, &TSuperTextProperties::LoadTextureClick);

    fillPanel_ = new QWidget(this);
    fillPanel_->setObjectName(QStringLiteral("FillPanel"));
    fillPanel_->setGeometry(panelPlace);
    auto* fillLabel = new QLabel(QStringLiteral("Fill Direction"), fillPanel_);
    fillLabel->setGeometry(0, 0, 130, 16);
    fillDirectionCombo_ = combo("FillDirectionCombo",
                                {QStringLiteral("Up"), QStringLiteral("Down"), QStringLiteral("Left"),
                                 QStringLiteral("Right")},
                                fillPanel_);
    fillDirectionCombo_->setGeometry(0, 18, 130, 26);
    connect(fillDirectionCombo_, &QComboBox::activated, this,
            [this](int index) { sample_->SetFillDirection(TFillDirection(index)); });
    auto* fromColor = button(QStringLiteral("From Color"), fillPanel_);
    fromColor->setGeometry(140, 0, 120, 26);
    connect(fromColor, &QPushButton::clicked, this, [this] {
        chooseColor([this] { return sample_->GradientFromColor(); },
                    [this](int color) { sample_->SetGradientFromColor(color); });
    });
    auto* toColor = button(QStringLiteral("To Color"), fillPanel_);
    toColor->setGeometry(140, 30, 120, 26);
    connect(toColor, &QPushButton::clicked, this, [this] {
        chooseColor([this] { return sample_->GradientToColor(); },
                    [this](int color) { sample_->SetGradientToColor(color); });
    });

    auto* outline = new QGroupBox(QStringLiteral("Outline"), this);
    outline->setGeometry(8, 118, 282, 70);
    auto* outlineGrid = new QGridLayout(outline);
    outlineGrid->setContentsMargins(6, 2, 6, 2);
    auto* outlineColor = button(QStringLiteral("Outline Color"), outline);
    outlineGrid->addWidget(outlineColor, 0, 0);
    connect(outlineColor, &QPushButton::clicked, this, [this] {
        chooseColor([this] { return sample_->OutlineColor(); },
                    [this](int color) { sample_->SetOutlineColor(color); });
    });
    outlineGrid->addWidget(new QLabel(QStringLiteral("OutLine Style"), outline), 0, 1);
    outlineStyleCombo_ = combo("OutlineStyleCombo",
                               {QStringLiteral("Solid Line"), QStringLiteral("Dash Line"),
                                QStringLiteral("Dotted Line"), QStringLiteral("DashDot Line"),
                                QStringLiteral("DashDotDot Line"), QStringLiteral("Clear")},
                               outline);
    outlineGrid->addWidget(outlineStyleCombo_, 0, 2);
    connect(outlineStyleCombo_, &QComboBox::activated, this,
            [this](int index) { sample_->SetOutlineStyle(TPenStyle(index)); });
    outlineGrid->addWidget(new QLabel(QStringLiteral("Outline Width"), outline), 1, 1);
    outlineWidthSpinner_ = spinner("OutLineWidthSpinner", outline);
    outlineGrid->addWidget(outlineWidthSpinner_, 1, 2);
    connect(outlineWidthSpinner_, &QSpinBox::valueChanged, this, [this](int width) {
        if (!showingSample_)
            sample_->SetOutlineWidth(width);
    });

    auto* shadow = new QGroupBox(QStringLiteral("Shadow"), this);
    shadow->setGeometry(298, 58, 276, 130);
    auto* shadowGrid = new QGridLayout(shadow);
    shadowGrid->setContentsMargins(6, 2, 6, 2);
    auto* shadowColor = button(QStringLiteral("Shadow Color"), shadow);
    shadowGrid->addWidget(shadowColor, 0, 0, 1, 2);
    connect(shadowColor, &QPushButton::clicked, this, [this] {
        chooseColor([this] { return sample_->Shadowcolor(); },
                    [this](int color) { sample_->SetShadowcolor(color); });
    });
    shadowGrid->addWidget(new QLabel(QStringLiteral("Shadow Orientation"), shadow), 1, 0);
    shadowOrientationCombo_ = combo("ShadowOrientationCombo",
                                    {QStringLiteral("None"), QStringLiteral("Right"), QStringLiteral("Left"),
                                     QStringLiteral("Down and Right"), QStringLiteral("Down and Left"),
                                     QStringLiteral("Down")},
                                    shadow);
    shadowGrid->addWidget(shadowOrientationCombo_, 1, 1);
    connect(shadowOrientationCombo_, &QComboBox::activated, this, [this](int index) {
        sample_->SetShadowOrientation(TShadowDirection(index));
        fitSample();
    });
    shadowGrid->addWidget(new QLabel(QStringLiteral("Shadow Depth"), shadow), 2, 0);
    shadowDepthSpinner_ = spinner("ShadowDepthSpinner", shadow);
    shadowGrid->addWidget(shadowDepthSpinner_, 2, 1);
    connect(shadowDepthSpinner_, &QSpinBox::valueChanged, this, [this](int depth) {
        if (showingSample_)
            return;
        sample_->SetShadowDepth(depth);
        fitSample();
    });

    auto* preview = new QFrame(this);
    preview->setObjectName(QStringLiteral("PreviewPanel"));
    preview->setGeometry(14, 194, 554, 190);
    preview->setFrameStyle(QFrame::Box | QFrame::Plain);
    preview->setAutoFillBackground(true);
    QPalette white = preview->palette();
    white.setColor(QPalette::Window, Qt::white);
    preview->setPalette(white);
    sample_ = new TGSuperText(nullptr, preview);
    sample_->SetName(QStringLiteral("Sample"));
    sample_->SetBounds(0, 0, 100, 100);

    auto* buttons = new QWidget(this);
    buttons->setGeometry(8, 390, 566, 30);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    auto* ok = button(QStringLiteral("Ok"), buttons);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TSuperTextProperties::OkClick);
    auto* cancel = button(QStringLiteral("Cancel"), buttons);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* selectFont = button(QStringLiteral("Select Font"), buttons);
    connect(selectFont, &QPushButton::clicked, this, &TSuperTextProperties::SelectFontClick);
    auto* fontSize = new QWidget(buttons);
    fontSize->setObjectName(QStringLiteral("RapidChangeFontSize"));
    fontSize->setToolTip(QStringLiteral("Font size"));
    auto* arrows = new QVBoxLayout(fontSize);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    auto* up = new QToolButton(fontSize);
    up->setObjectName(QStringLiteral("RapidChangeFontSizeUp"));
    up->setArrowType(Qt::UpArrow);
    up->setFixedSize(22, 14);
    connect(up, &QToolButton::clicked, this, &TSuperTextProperties::FontSizeUp);
    auto* down = new QToolButton(fontSize);
    down->setObjectName(QStringLiteral("RapidChangeFontSizeDown"));
    down->setArrowType(Qt::DownArrow);
    down->setFixedSize(22, 14);
    connect(down, &QToolButton::clicked, this, &TSuperTextProperties::FontSizeDown);
    arrows->addWidget(up);
    arrows->addWidget(down);
    auto* selectSymbol = button(QStringLiteral("Select Symbol"), buttons);
    connect(selectSymbol, &QPushButton::clicked, this, &TSuperTextProperties::SelectSymbolClick);
    auto* help = button(QStringLiteral("Help"), buttons);
    connect(help, &QPushButton::clicked, this, [] { ShowHelpTopic(HelpTopic); });
    auto* mouseHelp = new QToolButton(buttons);
    mouseHelp->setObjectName(QStringLiteral("MouseHelpButton"));
    mouseHelp->setText(QStringLiteral("?"));
    connect(mouseHelp, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    for (QWidget* w : {static_cast<QWidget*>(ok), static_cast<QWidget*>(cancel), static_cast<QWidget*>(selectFont),
                       fontSize, static_cast<QWidget*>(selectSymbol), static_cast<QWidget*>(help),
                       static_cast<QWidget*>(mouseHelp)})
        row->addWidget(w);

    captionText_->setWhatsThis(QStringLiteral("The text shown in large letters."));
    surfaceTypeCombo_->setWhatsThis(QStringLiteral("How the letters are filled: a colour, nothing, a texture or a gradient."));
    shadowDepthSpinner_->setWhatsThis(QStringLiteral("How far the shadow lies behind the letters, in pixels."));
    outlineWidthSpinner_->setWhatsThis(QStringLiteral("The width of the letters' outline; 0 draws none."));
}

int TSuperTextProperties::Run()
{
    if (execSeam()) {
        ShowSample();
        return execSeam()(*this);
    }
    return exec();
}

void TSuperTextProperties::SetExecForTesting(std::function<int(TSuperTextProperties&)> exec)
{
    execSeam() = std::move(exec);
}

void TSuperTextProperties::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ShowSample();
}

void TSuperTextProperties::ShowSample()
{
    showingSample_ = true;
    captionText_->setText(sample_->Caption());
    QFont face = captionText_->font();
    face.setFamily(sample_->Font().Name());
    captionText_->setFont(face);
    surfaceTypeCombo_->setCurrentIndex(sample_->SurfaceType());
    fillDirectionCombo_->setCurrentIndex(sample_->FillDirection());
    shadowOrientationCombo_->setCurrentIndex(sample_->ShadowOrientation());
    shadowDepthSpinner_->setValue(sample_->ShadowDepth());
    outlineStyleCombo_->setCurrentIndex(std::min<int>(sample_->OutlineStyle(), psClear));
    outlineWidthSpinner_->setValue(sample_->OutlineWidth());
    if (!sample_->Image().isNull())
        lastUsedImage_ = sample_->Image();
    showPanelOf(sample_->SurfaceType());
    showingSample_ = false;
}

void TSuperTextProperties::showPanelOf(int surface)
{
    fontcolorPanel_->setVisible(surface == stNormal);
    imagePanel_->setVisible(surface == stBrushImage);
    fillPanel_->setVisible(surface == stGradientFill);
}

void TSuperTextProperties::chooseColor(const std::function<int()>& current, const std::function<void(int)>& apply)
{
    TColor color = current();
    if (TGSuperText::ChooseColor(color, this))
        apply(color);
}

void TSuperTextProperties::fitSample()
{
    sample_->FitToText();
    sample_->update();
}

void TSuperTextProperties::SurfaceTypeChosen(int index)
{
    if (index < stNormal || index > stGradientFill)
        return;
    surfaceTypeCombo_->setCurrentIndex(index);
    sample_->SetSurfaceType(TSurfaceType(index));
    if (index == stBrushImage)
        sample_->SetImage(lastUsedImage_);
    fitSample();
    showPanelOf(index);
}

void TSuperTextProperties::FontSizeUp()
{
    TFont font = sample_->Font();
    if (font.Size() >= LargestFont)
        return;
    font.SetSize(std::min(font.Size() + FontStep, LargestFont));
    sample_->ApplyFont(font);
    fitSample();
}

void TSuperTextProperties::FontSizeDown()
{
    TFont font = sample_->Font();
    if (font.Size() <= SmallestFont)
        return;
    font.SetSize(std::max(font.Size() - FontStep, SmallestFont));
    sample_->ApplyFont(font);
    fitSample();
}

void TSuperTextProperties::SelectFontClick()
{
    TFont font = sample_->Font();
    if (!ChooseFont(font, this))
        return;
    sample_->ApplyFont(font);
    fitSample();
    QFont face = captionText_->font();
    face.setFamily(font.Name());
    captionText_->setFont(face);
}

void TSuperTextProperties::SelectSymbolClick()
{
    TSuperTextGetSymbol picker(this);
    if (picker.Run() != QDialog::Accepted)
        return;
    const QString symbol = picker.ChosenCharacter();
    captionText_->setText(symbol);
    sample_->SetCaption(symbol);
    TFont font = sample_->Font();
    font.SetName(picker.ChosenFont());
    sample_->ApplyFont(font);
    QFont face = captionText_->font();
    face.setFamily(font.Name());
    captionText_->setFont(face);
    fitSample();
}

void TSuperTextProperties::LoadTextureClick()
{
    TSuperTextBrushImageBrowser browser(this);
    browser.SuperTextExample()->AssignFrom(*sample_);
    browser.SetLastBitmapFileNameandPath(lastBitmapFile_);
    if (browser.Run() == QDialog::Accepted) {
        const QImage texture = browser.SuperTextExample()->Image();
        sample_->SetImage(texture);
        lastUsedImage_ = texture;
        lastBitmapFile_ = browser.ChosenFile();
    }
    fitSample();
}

void TSuperTextProperties::TimerTick()
{
    if (!fitPending_)
        return;
    fitPending_ = false;
    fitSample();
}

void TSuperTextProperties::OkClick()
{
    if (captionText_->text().isEmpty()) {
        ShowInfo(QStringLiteral("Please enter some text"));
        captionText_->setFocus();
        return;
    }
    accept();
}

QImage TSuperTextProperties::DefaultTexture()
{
    // A small woven pattern in warm tones: visible at once as a texture.
    constexpr int Size = 32;
    QImage texture(Size, Size, QImage::Format_RGB32);
    QRandomGenerator noise(17);
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const bool warp = ((x / 4) + (y / 4)) % 2 == 0;
            const int grain = int(noise.bounded(24));
            const int base = warp ? 150 : 100;
            texture.setPixel(x, y, qRgb(std::min(255, base + 70 + grain), base + 20 + grain, base / 2 + grain));
        }
    }
    return texture;
}
