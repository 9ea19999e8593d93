#include "objects/kinds/FloatingPalette.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include "objects/kinds/IconListBox.h"
#include "platform/IconLibrary.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramFolder.h"

namespace {

struct BuiltInSet {
    const char* caption;
    const char* fileName;
};

constexpr BuiltInSet BuiltInSets[] = {
    {"Activities", "activity.icl"},
    {"Events", "events.icl"},
    {"Holidays", "holiday.icl"},
    {"Miscellaneous #1", "misc1.icl"},
    {"Miscellaneous #2", "misc2.icl"},
};

const QString BonusCaption = QStringLiteral("Bonus Icon Sets");
const QString OtherCaption = QStringLiteral("Other...");
const QString FallbackFile = QStringLiteral("Misc1.icl");
const QString BonusFolder = QStringLiteral("BonusIcons");

// The set a file stands for, as the menu captions name it.
QString setNameOf(const QString& fileName)
{
    const QString file = QFileInfo(fileName).fileName();
    const QString base = file.left(file.indexOf(QLatin1Char('.')) < 0 ? file.size() : file.indexOf(QLatin1Char('.'))).toUpper();
    if (base == QLatin1String("ACTIVITY"))
        return QStringLiteral("ACTIVITIES");
    if (base == QLatin1String("HOLIDAY"))
        return QStringLiteral("HOLIDAYS");
    if (base == QLatin1String("MISC1"))
        return QStringLiteral("MISCELLANEOUS #1");
    if (base == QLatin1String("MISC2"))
        return QStringLiteral("MISCELLANEOUS #2");
    return base;
}

bool fileExists(const QString& name)
{
    return !name.isEmpty() && QFileInfo(FileNameIgnoringCase(name)).isFile();
}

} // namespace

// Upper and lower case patterns: file names on this system keep their case.
const QString TFloatingPalette::OpenDialogFilter = QStringLiteral(
    "All Files (*.ICL *.DLL *.EXE *.ICO *.NIL *.icl *.dll *.exe *.ico *.nil);;"
    "ICL Files (*.ICL *.icl);;DLL Files (*.DLL *.dll);;EXE Files (*.EXE *.exe);;"
    "ICO Files (*.ICO *.ico);;NIL Files (*.NIL *.nil);;ICL and ICO Files (*.ICL *.ICO *.icl *.ico)");
const QString TFloatingPalette::OpenDialogSelectedFilter = QStringLiteral("ICL and ICO Files (*.ICL *.ICO *.icl *.ico)");

TFloatingPalette::TFloatingPalette(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FloatingPalette"));
    setWindowTitle(QStringLiteral("Icons"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    menuBar_ = new QMenuBar(this);
    layout->setMenuBar(menuBar_);
    fileMenu_ = menuBar_->addMenu(QStringLiteral("File"));
    fileMenu_->setObjectName(QStringLiteral("File"));
    for (const BuiltInSet& set : BuiltInSets) {
        QAction* entry = fileMenu_->addAction(QString::fromLatin1(set.caption));
        entry->setCheckable(true);
        const QString file = QString::fromLatin1(set.fileName);
        connect(entry, &QAction::triggered, this, [this, file] { LoadBuiltInSet(file); });
    }
    bonusAction_ = fileMenu_->addAction(BonusCaption);
    bonusAction_->setCheckable(true);
    connect(bonusAction_, &QAction::triggered, this, [this] { BonusIconSetsClick(); });
    otherAction_ = fileMenu_->addAction(OtherCaption);
    otherAction_->setCheckable(true);
    connect(otherAction_, &QAction::triggered, this, [this] { OtherClick(); });

    iconListBox_ = new TIconListBox(this);
    iconListBox_->setObjectName(QStringLiteral("IconListBox"));
    iconListBox_->SetXIcons(3);
    iconListBox_->SetYIcons(3);
    iconListBox_->setFrameShape(QFrame::NoFrame);
    QPalette white = iconListBox_->palette();
    white.setColor(QPalette::Base, Qt::white);
    iconListBox_->setPalette(white);
    layout->addWidget(iconListBox_);

    ChooseIconFile = [](QWidget* parent, const QString& folder, const QString& filter, const QString& selected) {
        QString chosenFilter = selected;
        return QFileDialog::getOpenFileName(parent, QString(), folder, filter, &chosenFilter);
    };

    // The designed client area, one pixel larger as the window is made.
    setFixedSize(ClientSide + 1, ClientSide + 1 + menuBar_->sizeHint().height());
    iconListBox_->SetFileName(programFile(QStringLiteral("activity.icl")));
    FindBonusSets();
    SelectIconFile(iconListBox_->FileName());
}

TFloatingPalette::~TFloatingPalette() = default;

QString TFloatingPalette::programFile(const QString& name) const
{
    return ProgramDataFolder() + name;
}

QAction* TFloatingPalette::MenuEntry(const QString& caption) const
{
    for (QAction* action : fileMenu_->actions()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}

void TFloatingPalette::FindBonusSets()
{
    bonusSets_.clear();
    // The user's own folder first: a set there stands before a shipped one
    // of the same name.
    for (const QString& root : {UserDataFolder(), ProgramDataFolder()}) {
        const QDir folder(root + BonusFolder);
        if (!folder.exists())
            continue;
        for (const QFileInfo& file : folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
            if (!file.fileName().endsWith(QLatin1String(".icl"), Qt::CaseInsensitive))
                continue;
            const QString name = file.fileName().left(file.fileName().indexOf(QLatin1Char('.')));
            if (!name.isEmpty() && !bonusSets_.contains(name.toUpper()))
                bonusSets_.insert(name.toUpper(), {name, file.absoluteFilePath()});
        }
    }
    if (bonusMenu_) {
        bonusMenu_->clear();
    } else if (!bonusSets_.isEmpty()) {
        bonusMenu_ = new QMenu(BonusCaption, fileMenu_);
        bonusMenu_->setObjectName(QStringLiteral("BonusIconSets"));
        bonusAction_->setMenu(bonusMenu_);
        bonusAction_->setCheckable(false);
    }
    // Keyed by the upper-cased name, the map sorts without regard to case.
    for (const auto& [name, path] : bonusSets_) {
        QAction* entry = bonusMenu_->addAction(name);
        entry->setCheckable(true);
        connect(entry, &QAction::triggered, this, [this, set = name] { LoadBonusSet(set); });
    }
}

void TFloatingPalette::LoadBuiltInSet(const QString& fileName)
{
    iconListBox_->SetFileName(programFile(fileName));
    SelectIconFile(iconListBox_->FileName());
}

void TFloatingPalette::LoadBonusSet(const QString& setName)
{
    // The file as found: a set name ends at its first point, the file may not.
    const auto found = bonusSets_.constFind(setName.toUpper());
    const QString file = found != bonusSets_.cend()
        ? found->second
        : UserDataFolder() + BonusFolder + QLatin1Char('/') + setName + QStringLiteral(".icl");
    iconListBox_->SetFileName(file);
    SelectIconFile(iconListBox_->FileName());
}

void TFloatingPalette::BonusIconSetsClick()
{
    if (bonusMenu_)
        return;
    bonusAction_->setChecked(false);
    ShowInfo(QStringLiteral("No Bonus Sets Found!\r\r"
                            "Bonus icon sets are icon libraries (.icl files) downloaded from the Vellumy web "
                            "site. Put them in the folder ")
             + QDir::toNativeSeparators(UserDataFolder() + BonusFolder)
             + QStringLiteral(" and they are listed here the next time Vellumy starts."));
}

void TFloatingPalette::SelectIconFile(const QString& name)
{
    const QString set = setNameOf(name);
    bool anyChecked = false;
    auto check = [&](QAction* action) {
        if (!action->isCheckable())
            return;
        const bool on = action->text().toUpper() == set;
        action->setChecked(on);
        anyChecked = anyChecked || on;
    };
    for (QAction* action : fileMenu_->actions())
        check(action);
    if (bonusMenu_) {
        for (QAction* action : bonusMenu_->actions())
            check(action);
    }
    if (!anyChecked && fileExists(name))
        otherAction_->setChecked(true);
    if (fileExists(name) && name.toUpper() != iconListBox_->FileName().toUpper())
        iconListBox_->SetFileName(name);
    if (iconListBox_->NumberOfIcons() == 0)
        loadFallback();
}

void TFloatingPalette::loadFallback()
{
    iconListBox_->SetFileName(programFile(FallbackFile));
}

void TFloatingPalette::OtherClick()
{
    // The entry's check mark follows the file shown, not the click.
    otherAction_->setChecked(!otherAction_->isChecked());
    QString chosen = ChooseIconFile(this, ProgramDataFolder(), OpenDialogFilter, OpenDialogSelectedFilter);
    if (chosen.isEmpty())
        return;
    iconListBox_->SetFileName(chosen);
    while (iconListBox_->NumberOfIcons() == 0) {
        ShowInfo(QStringLiteral("No icons found in ") + iconListBox_->FileName());
        chosen = ChooseIconFile(this, ProgramDataFolder(), OpenDialogFilter, OpenDialogSelectedFilter);
        if (chosen.isEmpty())
            break;
        iconListBox_->SetFileName(chosen);
    }
    if (iconListBox_->NumberOfIcons() == 0)
        loadFallback();
    SelectIconFile(iconListBox_->FileName());
}
