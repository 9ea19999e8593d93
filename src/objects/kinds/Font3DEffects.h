#pragma once
// TGFont3DEffects: the "Text 3D Effects" dialog. The shadow and highlight
// copies (direction, colour, depth) and the font colour of a label are tried
// out on a live sample; "Ok" gives them to the label.
#include <QDialog>

class QComboBox;
class QFrame;
class TColorDrop;
class TGBaseLabel;
class TGPLabel;

class TGFont3DEffects : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpTopic = 40008;

    // Copies the label's look into the sample; centred on `mainWindow`.
    TGFont3DEffects(TGBaseLabel& label, QWidget* mainWindow);

    TGPLabel& Sample() const { return *sample_; }

private:
    void okClicked();
    QComboBox* dropList(const QString& name, const QStringList& items, const QString& help);
    TColorDrop* colorList(const QString& name, const QString& help);

    TGBaseLabel& label_;
    QFrame* preview_ = nullptr;
    TGPLabel* sample_ = nullptr;
    QComboBox* shadowDirection_ = nullptr;
    TColorDrop* shadowColor_ = nullptr;
    QComboBox* shadowDepth_ = nullptr;
    QComboBox* highlightDirection_ = nullptr;
    TColorDrop* highlightColor_ = nullptr;
    QComboBox* highlightDepth_ = nullptr;
    TColorDrop* fontColor_ = nullptr;
};
