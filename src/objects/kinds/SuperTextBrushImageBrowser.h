#pragma once
// "Load Texture Image": picks a picture file as the texture of a SuperText,
// showing it on an example object as each file is chosen.
#include <QDialog>
#include <QImage>
#include <functional>

class QComboBox;
class QLabel;
class QListWidget;
class QScrollArea;
class TGSuperText;

class TSuperTextBrushImageBrowser : public QDialog {
    Q_OBJECT
public:
    explicit TSuperTextBrushImageBrowser(QWidget* parent = nullptr);
    ~TSuperTextBrushImageBrowser() override;

    TGSuperText* SuperTextExample() const { return example_; }
    // The texture file chosen last time; the browser starts beside it.
    void SetLastBitmapFileNameandPath(const QString& path);
    // The folder shown and the full name of the file chosen (empty when none).
    QString Folder() const { return folder_; }
    QString ChosenFile() const { return chosenFile_; }

    // Where the browser starts for a last texture path: the file's folder
    // when the file exists, else "bmbrush", else "Textures" in the program's
    // data folder, else that folder itself.
    static QString StartFolder(const QString& lastTexturePath);
    // The file list's mask, matched without regard to case.
    static QStringList FileMask();
    // Reads a texture file; a null image when it cannot be read.
    static QImage LoadTexture(const QString& path);

    void ShowFolder(const QString& folder);
    // Chooses a file of the folder shown: loads it into the example.
    void ChooseFile(const QString& fileName);

    int Run();
    static void SetExecForTesting(std::function<int(TSuperTextBrushImageBrowser& dialog)> exec);

private:
    void buildControls();
    void fillPlaces();
    // The example's canvas follows the example's size, shown from its corner.
    void fitExample();

    QComboBox* driveList_ = nullptr;
    QListWidget* folderList_ = nullptr;
    QListWidget* fileList_ = nullptr;
    QLabel* folderLabel_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    TGSuperText* example_ = nullptr;
    QString folder_;
    QString chosenFile_;
};
