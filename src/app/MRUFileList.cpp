#include "app/MRUFileList.h"

#include <QDir>
#include <QMenu>

#include "app/IniFile.h"
#include "persist/ClassInfo.h"
#include "platform/ProgramFolder.h"

TMRUMenuItem::TMRUMenuItem(int number, const QString& caption, QObject* parent)
    : QAction(caption, parent), number_(number)
{
}

TMRUFileList::TMRUFileList(TComponent* owner) : TComponent(owner)
{
}

TMRUFileList::~TMRUFileList()
{
    if (autoSave_)
        Save();
    removeMenuItems();
}

void TMRUFileList::SetMaximum(int maximum)
{
    maximum_ = qBound(0, maximum, 255);
}

void TMRUFileList::SetUseSubmenu(bool on)
{
    if (useSubmenu_ == on)
        return;
    useSubmenu_ = on;
    RebuildMenu();
}

void TMRUFileList::SetSubmenuName(const QString& name)
{
    if (submenuName_ == name)
        return;
    submenuName_ = name;
    RebuildMenu();
}

void TMRUFileList::SetFileMenu(QMenu* menu)
{
    if (fileMenu_ == menu)
        return;
    removeMenuItems();
    fileMenu_ = menu;
    RebuildMenu();
}

QString TMRUFileList::AutoSaveFileName() const
{
    if (!autoSaveName_.startsWith(QLatin1Char('\\')) && QDir::isAbsolutePath(autoSaveName_))
        return autoSaveName_;
    QString last = autoSaveName_.section(QLatin1Char('\\'), -1).section(QLatin1Char('/'), -1).trimmed();
    if (last.isEmpty())
        last = QStringLiteral("MRU");
    return UserConfigFolder() + last + QStringLiteral(".ini");
}

void TMRUFileList::Load()
{
    if (autoSaveName_.isEmpty() || autoSaveKey_.isEmpty())
        return;
    items_.clear();
    const TIniFile ini(AutoSaveFileName());
    for (const QString& line : ini.ReadSectionValues(autoSaveKey_)) {
        const QString path = line.section(QLatin1Char('='), 1);
        if (!path.isEmpty())
            items_.append(path);
    }
    RebuildMenu();
}

bool TMRUFileList::Save() const
{
    if (autoSaveName_.isEmpty() || autoSaveKey_.isEmpty())
        return false;
    TIniFile::KeyValues values;
    for (int i = 0; i < items_.size(); ++i)
        values.append({QStringLiteral("F") + QString::number(i), items_[i]});
    return TIniFile(AutoSaveFileName()).ReplaceSection(autoSaveKey_, values);
}

void TMRUFileList::Add(const QString& path)
{
    if (path.isEmpty())
        return;
    for (int i = 0; i < items_.size(); ++i) {
        if (QString::compare(items_[i], path, Qt::CaseInsensitive) == 0) {
            items_.removeAt(i);
            break;
        }
    }
    // The path as just used: on a case-sensitive file system the entry must
    // name the file that was opened, not an older spelling.
    items_.prepend(path);
    cutToMaximum();
    RebuildMenu();
}

void TMRUFileList::Remove(const QString& path)
{
    for (int i = 0; i < items_.size(); ++i) {
        if (QString::compare(items_[i], path, Qt::CaseInsensitive) == 0) {
            items_.removeAt(i);
            RebuildMenu();
            return;
        }
    }
}

void TMRUFileList::Clear()
{
    items_.clear();
    RebuildMenu();
}

void TMRUFileList::cutToMaximum()
{
    while (items_.size() > maximum_)
        items_.removeLast();
}

void TMRUFileList::removeMenuItems()
{
    if (!fileMenu_)
        return;
    const QList<QAction*> actions = fileMenu_->actions();
    for (QAction* action : actions) {
        if (!qobject_cast<TMRUMenuItem*>(action))
            continue;
        fileMenu_->removeAction(action);
        // Entries may be removed from inside their own triggered signal.
        if (QMenu* submenu = action->menu())
            submenu->deleteLater();
        action->disconnect();
        action->deleteLater();
    }
}

void TMRUFileList::RebuildMenu()
{
    removeMenuItems();
    if (!fileMenu_ || items_.isEmpty())
        return;
    // A separator without text: styles show a separator's text as a heading.
    auto* separator = new TMRUMenuItem(0, QString(), fileMenu_);
    separator->setSeparator(true);
    fileMenu_->addAction(separator);

    QMenu* target = fileMenu_;
    if (useSubmenu_) {
        target = new QMenu(submenuName_, fileMenu_);
        auto* holder = new TMRUMenuItem(0, submenuName_, fileMenu_);
        holder->setMenu(target);
        fileMenu_->addAction(holder);
    }
    for (int i = 0; i < items_.size(); ++i) {
        const int number = i + 1;
        auto* item = new TMRUMenuItem(number, QLatin1Char('&') + QString::number(number) + QLatin1Char(' ') + items_[i],
                                      target);
        QObject::connect(item, &QAction::triggered, item, [this, number] { Click(number); });
        target->addAction(item);
    }
}

void TMRUFileList::Click(int number)
{
    if (number < 1 || number > items_.size())
        return;
    const QString path = items_[number - 1];
    if (CanOpenItem && !CanOpenItem(path))
        return;
    if (removeOnClick_) {
        items_.removeAt(number - 1);
        RebuildMenu();
    }
    if (OnMRUItemClick)
        OnMRUItemClick(path);
}

void TMRUFileList::Loaded()
{
    TComponent::Loaded();
    Load();
}

const TClassInfo& TMRUFileList::StaticClassInfo()
{
    // FileMenu and OnMRUItemClick are wired by the owning window in code.
    static const TClassInfo info = TClassInfoBuilder<TMRUFileList>("TMRUFileList", &TComponent::StaticClassInfo())
        .integer("Maximum", &TMRUFileList::Maximum, &TMRUFileList::SetMaximum).defaultValue(5)
        .boolean("RemoveOnClick", &TMRUFileList::RemoveOnClick, &TMRUFileList::SetRemoveOnClick).defaultValue(1)
        .boolean("UseSubmenu", &TMRUFileList::UseSubmenu, &TMRUFileList::SetUseSubmenu).defaultValue(0)
        .string("SubmenuName", &TMRUFileList::SubmenuName, &TMRUFileList::SetSubmenuName)
        .boolean("AutoSave", &TMRUFileList::AutoSave, &TMRUFileList::SetAutoSave).defaultValue(1)
        .string("AutoSaveName", &TMRUFileList::AutoSaveName, &TMRUFileList::SetAutoSaveName)
        .string("AutoSaveKey", &TMRUFileList::AutoSaveKey, &TMRUFileList::SetAutoSaveKey)
        .build();
    return info;
}
