#pragma once
// TExportImageDialog: the resolution "Export as Image..." draws the page at.
#include <QDialog>

class QSpinBox;

class TExportImageDialog : public QDialog {
    Q_OBJECT
public:
    explicit TExportImageDialog(int dotsPerInch, QWidget* parent = nullptr);
    int DotsPerInch() const;

    static constexpr int DefaultDotsPerInch = 150;

private:
    QSpinBox* resolution_ = nullptr;
};
