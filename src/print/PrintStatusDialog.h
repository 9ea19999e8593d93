#pragma once
#include <QDialog>

class QLabel;

// The small non-modal window shown while a print job runs ("Printing page 2").
class TPrintStatusDialog : public QDialog {
    Q_OBJECT
public:
    explicit TPrintStatusDialog(const QString& caption, QWidget* parent = nullptr);

    void SetStatusText(const QString& text);
    QString StatusText() const;

private:
    QLabel* label_;
};
