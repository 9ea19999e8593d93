#pragma once
// TFloatingPalette: the small "Icons" window that stays on top of the main
// window and shows one icon library in a TIconListBox, with a "File" menu of
// the shipped sets, the bonus sets the user has added, and any other file.
// The main window shows and hides it and keeps its file and placement.
#include <QMap>
#include <QWidget>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class TIconListBox;

class TFloatingPalette : public QWidget {
    Q_OBJECT
public:
    // The placement section's class name in QX.ini.
    static constexpr const char* PlacementClassName = "TFloatingPalette";
    static constexpr int ClientSide = 140;

    explicit TFloatingPalette(QWidget* parent = nullptr);
    ~TFloatingPalette() override;

    TIconListBox* IconListBox() const { return iconListBox_; }
    QMenu* FileMenu() const { return fileMenu_; }
    // The bonus sets' submenu; null while none was found.
    QMenu* BonusMenu() const { return bonusMenu_; }
    QAction* BonusAction() const { return bonusAction_; }
    QAction* OtherAction() const { return otherAction_; }
    // The "File" menu's entry captioned `caption`, null when none.
    QAction* MenuEntry(const QString& caption) const;

    // Checks the menu entry that stands for `name` and shows that file
    // (when it exists and differs from the shown one); falls back to Misc1
    // when the shown file holds no icons.
    void SelectIconFile(const QString& name);

    // The bonus sets found in the user's and the program's BonusIcons folders.
    void FindBonusSets();

    // The open dialog of "Other...": folder, filter, the filter preselected;
    // returns the chosen file or an empty text. Tests replace it.
    std::function<QString(QWidget*, const QString&, const QString&, const QString&)> ChooseIconFile;

    // The menu commands.
    void LoadBuiltInSet(const QString& fileName);
    void LoadBonusSet(const QString& setName);
    void BonusIconSetsClick();
    void OtherClick();

    static const QString OpenDialogFilter;
    static const QString OpenDialogSelectedFilter;

private:
    QString programFile(const QString& name) const;
    void loadFallback();

    QMenuBar* menuBar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* bonusMenu_ = nullptr;
    QAction* bonusAction_ = nullptr;
    QAction* otherAction_ = nullptr;
    TIconListBox* iconListBox_ = nullptr;
    QMap<QString, std::pair<QString, QString>> bonusSets_;  // upper-cased name -> (name, file)
};
