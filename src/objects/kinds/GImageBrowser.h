#pragma once
// TGImageBrowser ("Load Image File "): the user's places and folders on the
// left, the picture files of the folder in the middle, a scrolling preview on
// the right, and the Stretch and AutoSize options for the picture object.
#include <QDialog>
#include <QPointer>

#include "objects/kinds/Picture.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QScrollArea;
class TGImage;

class TGImageBrowser : public QDialog {
    Q_OBJECT
public:
    explicit TGImageBrowser(QWidget* owner);
    ~TGImageBrowser() override;

    // The file list's mask, matched without regard to case.
    static const QString& FileMask();

    // Loads a file as the preview shows it: .BMP and .WMF by the picture's
    // own loader, an icon drawn into a bitmap of its size, everything else
    // decoded into a bitmap. False, with `showError` telling whether the
    // failure is one the browser reports (BMP and WMF only), when it fails.
    static bool LoadPreview(const QString& path, TPicture& picture, bool* showError);

    // Shows a folder: its sub-folders and its picture files.
    void SetFolder(const QString& folder);
    QString Folder() const { return folder_; }
    // The full path of the selected file; empty when none is selected.
    QString SelectedFile() const;
    const TPicture& Preview() const { return preview_; }

    QCheckBox* StretchBox() const { return stretchBox_; }
    QCheckBox* AutoSizeBox() const { return autoSizeBox_; }
    QListWidget* FileList() const { return fileList_; }
    QListWidget* FolderList() const { return folderList_; }
    QComboBox* DriveList() const { return driveList_; }

private:
    void fillDrives();
    void fileSelected();
    void stretchClicked();
    void autoSizeClicked();
    void layoutPreview();

    QString folder_;
    TPicture preview_;
    QComboBox* driveList_ = nullptr;
    QListWidget* folderList_ = nullptr;
    QListWidget* fileList_ = nullptr;
    QScrollArea* scrollBox_ = nullptr;
    QWidget* image_ = nullptr;
    QCheckBox* stretchBox_ = nullptr;
    QCheckBox* autoSizeBox_ = nullptr;
};
