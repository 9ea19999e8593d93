#pragma once
// "Symbol Selector": one character of an installed symbol font.
#include <QDialog>
#include <functional>

class QComboBox;
class QTableWidget;

class TSuperTextGetSymbol : public QDialog {
    Q_OBJECT
public:
    explicit TSuperTextGetSymbol(QWidget* parent = nullptr);
    ~TSuperTextGetSymbol() override;

    // The picker's character codes, 32 to 255, in this many columns.
    static constexpr int FirstCode = 32;
    static constexpr int LastCode = 255;
    static constexpr int Columns = 15;

    bool HasFonts() const;
    QString ChosenFont() const;
    // The chosen code as a one-character text (what the caption stores).
    QString ChosenCharacter() const;
    void SelectFont(const QString& family);
    void SelectCode(int code);

    // Without symbol fonts it says so and returns Rejected at once.
    int Run();
    static void SetExecForTesting(std::function<int(TSuperTextGetSymbol& dialog)> exec);
    // Tests fix the list of installed symbol fonts; an empty function restores it.
    static void SetSymbolFontsForTesting(std::function<QStringList()> fonts);

    void CopyCharClick();

private:
    void fillSymbols();

    QComboBox* symbolSets_ = nullptr;
    QTableWidget* symbolList_ = nullptr;
};
