#pragma once
// TUserTitleForm: asks for the calendar's own title, which replaces the
// generated one; an empty title brings the generated one back.
#include <QDialog>

class QLineEdit;

class TUserTitleForm : public QDialog {
    Q_OBJECT
public:
    explicit TUserTitleForm(QWidget* parent = nullptr);

    QString Title() const;
    void SetTitle(const QString& title);

private:
    QLineEdit* titleText_ = nullptr;
};
