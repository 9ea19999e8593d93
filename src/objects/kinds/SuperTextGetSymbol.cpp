#include "objects/kinds/SuperTextGetSymbol.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "objects/kinds/SymbolFonts.h"
#include "platform/MessageBoxes.h"

namespace {

constexpr int CellPixels = 24;

std::function<int(TSuperTextGetSymbol&)>& execSeam()
{
    static std::function<int(TSuperTextGetSymbol&)> seam;
    return seam;
}

std::function<QStringList()>& fontsSeam()
{
    static std::function<QStringList()> seam;
    return seam;
}

QStringList symbolFonts()
{
    return fontsSeam() ? fontsSeam()() : InstalledSymbolFonts();
}

} // namespace

TSuperTextGetSymbol::TSuperTextGetSymbol(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SuperTextGetSymbol"));
    setWindowTitle(QStringLiteral("Symbol Selector"));
    setModal(true);
    setFixedSize(530, 371);

    auto* column = new QVBoxLayout(this);
    auto* fontRow = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("&Font"), this);
    symbolSets_ = new QComboBox(this);
    symbolSets_->setObjectName(QStringLiteral("SymbolSets"));
    symbolSets_->setToolTip(QStringLiteral("Select a symbol font set"));
    label->setBuddy(symbolSets_);
    fontRow->addWidget(label);
    fontRow->addWidget(symbolSets_, 1);
    column->addLayout(fontRow);

    symbolList_ = new QTableWidget(this);
    symbolList_->setObjectName(QStringLiteral("SymbolList"));
    symbolList_->setColumnCount(Columns);
    symbolList_->setRowCount((LastCode - FirstCode + Columns) / Columns);
    symbolList_->horizontalHeader()->hide();
    symbolList_->verticalHeader()->hide();
    symbolList_->horizontalHeader()->setDefaultSectionSize(32);
    symbolList_->verticalHeader()->setDefaultSectionSize(30);
    symbolList_->setSelectionMode(QAbstractItemView::SingleSelection);
    symbolList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    column->addWidget(symbolList_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("CopyCharButton"));
    ok->setToolTip(QStringLiteral("Copy the selected symbol to the label"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    column->addLayout(buttons);

    QStringList fonts = symbolFonts();
    fonts.sort(Qt::CaseInsensitive);
    symbolSets_->addItems(fonts);
    int preselected = 0;
    for (int i = 0; i < fonts.size(); ++i) {
        if (fonts[i].toUpper().contains(QLatin1String("WINGDING"))) {
            preselected = i;
            break;
        }
    }
    symbolSets_->setCurrentIndex(fonts.isEmpty() ? -1 : preselected);
    fillSymbols();

    connect(symbolSets_, &QComboBox::currentIndexChanged, this, [this] { fillSymbols(); });
    connect(ok, &QPushButton::clicked, this, &TSuperTextGetSymbol::CopyCharClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(symbolList_, &QTableWidget::cellDoubleClicked, this, [this] { CopyCharClick(); });
}

TSuperTextGetSymbol::~TSuperTextGetSymbol() = default;

void TSuperTextGetSymbol::fillSymbols()
{
    const int selected = symbolList_->currentRow() * Columns + symbolList_->currentColumn();
    symbolList_->clear();
    QFont font(ChosenFont());
    font.setPixelSize(CellPixels);
    for (int code = FirstCode; code <= LastCode; ++code) {
        auto* item = new QTableWidgetItem(SymbolFontText(font, QString(QChar(code))));
        item->setFont(font);
        item->setTextAlignment(Qt::AlignCenter);
        item->setData(Qt::UserRole, code);
        item->setToolTip(QString::number(code));
        const int index = code - FirstCode;
        symbolList_->setItem(index / Columns, index % Columns, item);
    }
    SelectCode(selected > 0 ? selected + FirstCode : FirstCode);
}

bool TSuperTextGetSymbol::HasFonts() const
{
    return symbolSets_->count() > 0;
}

QString TSuperTextGetSymbol::ChosenFont() const
{
    return symbolSets_->currentText();
}

QString TSuperTextGetSymbol::ChosenCharacter() const
{
    const QTableWidgetItem* item = symbolList_->currentItem();
    if (!item)
        return {};
    return QString(QChar(item->data(Qt::UserRole).toInt()));
}

void TSuperTextGetSymbol::SelectFont(const QString& family)
{
    const int index = symbolSets_->findText(family, Qt::MatchFixedString);
    if (index >= 0)
        symbolSets_->setCurrentIndex(index);
}

void TSuperTextGetSymbol::SelectCode(int code)
{
    if (code < FirstCode || code > LastCode)
        return;
    const int index = code - FirstCode;
    symbolList_->setCurrentCell(index / Columns, index % Columns);
}

void TSuperTextGetSymbol::CopyCharClick()
{
    if (HasFonts() || symbolList_->currentItem())
        accept();
}

int TSuperTextGetSymbol::Run()
{
    if (!HasFonts()) {
        ShowInfo(QStringLiteral("No Symbol fonts installed"));
        return QDialog::Rejected;
    }
    if (execSeam())
        return execSeam()(*this);
    return exec();
}

void TSuperTextGetSymbol::SetExecForTesting(std::function<int(TSuperTextGetSymbol&)> exec)
{
    execSeam() = std::move(exec);
}

void TSuperTextGetSymbol::SetSymbolFontsForTesting(std::function<QStringList()> fonts)
{
    fontsSeam() = std::move(fonts);
}
