#pragma once
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QStringList>
#include <functional>

#include "persist/Component.h"

class QMenu;

// A recent-files entry of the file menu; it carries its 1-based number in the
// list (0 for the separator and the submenu holder the list adds).
class TMRUMenuItem : public QAction {
    Q_OBJECT
public:
    TMRUMenuItem(int number, const QString& caption, QObject* parent);
    int Number() const { return number_; }

private:
    int number_;
};

// The list of recently used files (most recent first) and its entries at the
// end of a file menu: a separator, then "&1 path", "&2 path", ... either
// directly or in a submenu. The list is kept in the section AutoSaveKey of the
// INI file AutoSaveName, one key per path (F0, F1, ...).
class TMRUFileList : public TComponent {
public:
    explicit TMRUFileList(TComponent* owner = nullptr);
    ~TMRUFileList() override;

    // Published properties, with their defaults.
    int Maximum() const { return maximum_; }            // 0..255, default 5
    void SetMaximum(int maximum);
    bool RemoveOnClick() const { return removeOnClick_; }
    void SetRemoveOnClick(bool on) { removeOnClick_ = on; }
    bool UseSubmenu() const { return useSubmenu_; }
    void SetUseSubmenu(bool on);
    QString SubmenuName() const { return submenuName_; }
    void SetSubmenuName(const QString& name);
    // Asked before a click takes its entry; false leaves the list as it is
    // (the user kept the document that is open).
    std::function<bool(const QString&)> CanOpenItem;
    // Receives the clicked entry's path.
    std::function<void(const QString&)> OnMRUItemClick;
    QMenu* FileMenu() const { return fileMenu_; }
    void SetFileMenu(QMenu* menu);
    bool AutoSave() const { return autoSave_; }
    void SetAutoSave(bool on) { autoSave_ = on; }
    // An INI file path. A registry-style name (the default, beginning with a
    // backslash) stores the list in the program folder, in a file named
    // after its last part ("My Application.ini").
    QString AutoSaveName() const { return autoSaveName_; }
    void SetAutoSaveName(const QString& name) { autoSaveName_ = name; }
    QString AutoSaveKey() const { return autoSaveKey_; }
    void SetAutoSaveKey(const QString& key) { autoSaveKey_ = key; }

    const QStringList& Items() const { return items_; }

    // Every key=value line of the section in file order becomes one path (not
    // cut to Maximum); the menu is rebuilt. Nothing happens unless both
    // AutoSaveName and AutoSaveKey are set.
    void Load();
    // Erases the section and writes path i under "F" + i; false when the file
    // could not be written.
    bool Save() const;
    // Moves a path already in the list (compared without regard to case) to
    // the top, or inserts it there and drops the oldest beyond Maximum.
    void Add(const QString& path);
    void Remove(const QString& path);
    void Clear();
    // Removes the list's entries from the file menu and adds them anew.
    void RebuildMenu();
    // What a click on entry `number` (1-based) does.
    void Click(int number);

    // The file the list is kept in.
    QString AutoSaveFileName() const;

    void Loaded() override;

    static const TClassInfo& StaticClassInfo();
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

private:
    void removeMenuItems();
    void cutToMaximum();

    int maximum_ = 5;
    bool removeOnClick_ = true;
    bool useSubmenu_ = false;
    QString submenuName_ = QStringLiteral("Reopen");
    QPointer<QMenu> fileMenu_;
    bool autoSave_ = true;
    QString autoSaveName_ = QStringLiteral("\\Software\\My Application");
    QString autoSaveKey_ = QStringLiteral("MRU Items");
    QStringList items_;
};
