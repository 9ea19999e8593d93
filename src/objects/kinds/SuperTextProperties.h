#pragma once
// The SuperText properties dialog: every control acts at once on a live
// sample object; the caller copies the sample back on OK.
#include <QDialog>
#include <QImage>
#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;
class QWidget;
class TGSuperText;

class TSuperTextProperties : public QDialog {
    Q_OBJECT
public:
    explicit TSuperTextProperties(QWidget* parent = nullptr);
    ~TSuperTextProperties() override;

    TGSuperText* Sample() const { return sample_; }
    QString LastBitmapFileNameandPath() const { return lastBitmapFile_; }
    void SetLastBitmapFileNameandPath(const QString& path) { lastBitmapFile_ = path; }
    // The texture "Texture" gives the sample: the built-in one until a file
    // was loaded or the sample came with a texture.
    const QImage& LastUsedImage() const { return lastUsedImage_; }

    // Shows the dialog modally (or hands it to the test seam); QDialog's codes.
    int Run();
    static void SetExecForTesting(std::function<int(TSuperTextProperties& dialog)> exec);

    // The commands behind the buttons, for the buttons and for tests.
    void OkClick();
    void SurfaceTypeChosen(int index);
    void FontSizeUp();
    void FontSizeDown();
    void SelectFontClick();
    void SelectSymbolClick();
    void LoadTextureClick();
    // Runs FitToText when the caption changed since the last tick.
    void TimerTick();
    // Sets every control from the sample (done when the dialog shows).
    void ShowSample();

    // The small texture shown for "Texture" before any file is chosen.
    static QImage DefaultTexture();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void showPanelOf(int surface);
    void chooseColor(const std::function<int()>& current, const std::function<void(int)>& apply);
    void fitSample();

    TGSuperText* sample_ = nullptr;
    QLineEdit* captionText_ = nullptr;
    QComboBox* surfaceTypeCombo_ = nullptr;
    QWidget* fontcolorPanel_ = nullptr;
    QWidget* imagePanel_ = nullptr;
    QWidget* fillPanel_ = nullptr;
    QComboBox* fillDirectionCombo_ = nullptr;
    QComboBox* shadowOrientationCombo_ = nullptr;
    QSpinBox* shadowDepthSpinner_ = nullptr;
    QComboBox* outlineStyleCombo_ = nullptr;
    QSpinBox* outlineWidthSpinner_ = nullptr;
    QTimer* timer1_ = nullptr;
    bool fitPending_ = false;
    bool showingSample_ = false;
    QImage lastUsedImage_;
    QString lastBitmapFile_;
};
