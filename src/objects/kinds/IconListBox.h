#pragma once
// TIconListBox: the icons of one icon library in a grid of columns, every
// cell the system icon size plus 6 pixels. Each item's text is the icon's
// index; its icon is extracted when the item is first drawn (with caching)
// or all at once when the file is loaded (without). Pressing a mouse button
// on an icon selects it and starts dragging it at once.
#include <QImage>
#include <QListWidget>
#include <functional>

#include "platform/IconLibrary.h"

class QMimeData;

class TIconListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TIconListBox(QWidget* parent = nullptr);
    ~TIconListBox() override;

    const QString& FileName() const { return fileName_; }
    // A different name (compared exactly) reloads the list, then raises OnFileChange.
    void SetFileName(const QString& name);

    bool AutoDisable() const { return autoDisable_; }
    void SetAutoDisable(bool value);
    bool EnableCaching() const { return enableCaching_; }
    void SetEnableCaching(bool value);
    // -1 while no existing file is loaded, 0 for a file without icons.
    int NumberOfIcons() const { return numberOfIcons_; }

    // Columns and rows of icons shown; values below 1 are refused.
    int XIcons() const { return xIcons_; }
    void SetXIcons(int value);
    int YIcons() const { return yIcons_; }
    void SetYIcons(int value);

    // Raised after a new file was loaded.
    std::function<void()> OnFileChange;

    // The icon of item `index`, extracted now when caching left it out.
    QImage Icon(int index);
    QImage SelectedIcon();
    int ItemHeight() const;
    int ColumnWidth() const;
    // What a drag of the selected icon carries: the icon as an image.
    QMimeData* DragData();

    // Reloads the file (as setting a new name does, without the event).
    void Reload();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    class ItemPainter;
    void updateEnabled();
    void applySize();
    bool fileExists() const;

    QString fileName_;
    bool autoDisable_ = true;
    bool enableCaching_ = true;
    int numberOfIcons_ = -1;
    int xIcons_ = 4;
    int yIcons_ = 1;
    TIconLibrary library_;
    QList<QImage> icons_;  // one per item; null until extracted
};
