#pragma once
// TGetLabelText: the "Text" dialog in which the user types a label's text.
#include <QDialog>

class QLineEdit;

class TGetLabelText : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpTopic = 40004;

    // Starts with `text` in the edit; centred on `mainWindow`.
    TGetLabelText(const QString& text, QWidget* mainWindow);

    QString Text() const;

private:
    QLineEdit* labelText_ = nullptr;
};
