#include "objects/kinds/SuperTextBrushImageBrowser.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QVBoxLayout>

#include "objects/kinds/GSuperText.h"
#include "platform/LoadPicture.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramFolder.h"

namespace {

constexpr int HelpTopic = 40012;

std::function<int(TSuperTextBrushImageBrowser&)>& execSeam()
{
    static std::function<int(TSuperTextBrushImageBrowser&)> seam;
    return seam;
}

QString suffixOf(const QString& path)
{
    return QFileInfo(path).suffix().toUpper();
}

// An icon drawn onto a new bitmap of its size.
QImage iconBitmap(const QImage& icon)
{
    if (icon.isNull())
        return {};
    QImage bitmap(icon.size(), QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    painter.drawImage(0, 0, icon);
    return bitmap;
}

} // namespace

TSuperTextBrushImageBrowser::TSuperTextBrushImageBrowser(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SuperTextBrushImageBrowser"));
    setWindowTitle(QStringLiteral("Load Texture Image"));
    setModal(true);
    setFixedSize(596, 285);
    buildControls();
    if (parent) {
        const QRect over = parent->window()->frameGeometry();
        move(over.center() - rect().center());
    }
    ShowFolder(StartFolder(QString()));
}

TSuperTextBrushImageBrowser::~TSuperTextBrushImageBrowser() = default;

void TSuperTextBrushImageBrowser::buildControls()
{
    auto* columns = new QHBoxLayout(this);
    auto* lists = new QVBoxLayout;
    folderLabel_ = new QLabel(this);
    folderLabel_->setObjectName(QStringLiteral("FolderLabel"));
    driveList_ = new QComboBox(this);
    driveList_->setObjectName(QStringLiteral("DriveComboBox1"));
    folderList_ = new QListWidget(this);
    folderList_->setObjectName(QStringLiteral("DirectoryListBox1"));
    fileList_ = new QListWidget(this);
    fileList_->setObjectName(QStringLiteral("FileListBox1"));
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(folderList_);
    listRow->addWidget(fileList_);
    lists->addWidget(driveList_);
    lists->addWidget(folderLabel_);
    lists->addLayout(listRow);
    columns->addLayout(lists, 3);

    auto* right = new QVBoxLayout;
    auto* scroll = scroll_ = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ScrollBox1"));
    scroll->setBackgroundRole(QPalette::Base);
    QPalette white = scroll->palette();
    white.setColor(QPalette::Base, Qt::white);
    scroll->setPalette(white);
    auto* canvas = new QWidget;
    canvas->setAutoFillBackground(true);
    canvas->setPalette(white);
    canvas->setBackgroundRole(QPalette::Base);
    example_ = new TGSuperText(nullptr, canvas);
    example_->move(4, 4);
    example_->SetName(QStringLiteral("SuperTextExample"));
    scroll->setWidget(canvas);
    right->addWidget(scroll);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("HelpButton"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    right->addLayout(buttons);
    columns->addLayout(right, 2);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { ShowHelpTopic(HelpTopic); });
    connect(folderList_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        ShowFolder(QDir(folder_).absoluteFilePath(item->text()));
    });
    connect(fileList_, &QListWidget::currentTextChanged, this, [this](const QString& name) {
        if (!name.isEmpty())
            ChooseFile(name);
    });
    fillPlaces();
    connect(driveList_, &QComboBox::activated, this,
            [this](int index) { ShowFolder(driveList_->itemData(index).toString()); });
}

void TSuperTextBrushImageBrowser::fillPlaces()
{
    // The user's places: the program's textures, home, and every mounted volume.
    driveList_->addItem(QStringLiteral("Program"), ProgramDataFolder());
    driveList_->addItem(QStringLiteral("Home"), QDir::homePath());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            driveList_->addItem(volume.rootPath(), volume.rootPath());
    }
}

QStringList TSuperTextBrushImageBrowser::FileMask()
{
    return {QStringLiteral("*.BMP"), QStringLiteral("*.DIB"), QStringLiteral("*.JPG"), QStringLiteral("*.JIF"),
            QStringLiteral("*.PCX"), QStringLiteral("*.RLE"), QStringLiteral("*.TGA"), QStringLiteral("*.ICO")};
}

QString TSuperTextBrushImageBrowser::StartFolder(const QString& lastTexturePath)
{
    if (!lastTexturePath.isEmpty() && QFileInfo(lastTexturePath).isFile())
        return QFileInfo(lastTexturePath).absolutePath();
    const QDir data(ProgramDataFolder());
    for (const QString& shipped : {QStringLiteral("bmbrush"), QStringLiteral("Textures")}) {
        if (data.exists(shipped) && QFileInfo(data.filePath(shipped)).isDir())
            return data.filePath(shipped);
    }
    return data.absolutePath();
}

void TSuperTextBrushImageBrowser::SetLastBitmapFileNameandPath(const QString& path)
{
    ShowFolder(StartFolder(path));
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        const QList<QListWidgetItem*> found = fileList_->findItems(QFileInfo(path).fileName(), Qt::MatchExactly);
        if (!found.isEmpty())
            fileList_->setCurrentItem(found.first());
    }
}

void TSuperTextBrushImageBrowser::ShowFolder(const QString& folder)
{
    const QDir dir(folder);
    if (!dir.exists())
        return;
    folder_ = dir.absolutePath();
    folderLabel_->setText(QDir::toNativeSeparators(folder_));
    folderList_->clear();
    if (!dir.isRoot())
        folderList_->addItem(QStringLiteral(".."));
    folderList_->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    fileList_->blockSignals(true);
    fileList_->clear();
    QDir files(folder_);
    // Name filters ignore case unless QDir::CaseSensitive is asked for.
    files.setNameFilters(FileMask());
    fileList_->addItems(files.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
    fileList_->blockSignals(false);
}

QImage TSuperTextBrushImageBrowser::LoadTexture(const QString& path)
{
    const QImage picture = LoadPicture(path).image;
    return PictureFormatOf(path) == TPictureFormat::Ico ? iconBitmap(picture) : picture;
}

void TSuperTextBrushImageBrowser::ChooseFile(const QString& fileName)
{
    const QString path = QDir(folder_).absoluteFilePath(fileName);
    const QImage texture = LoadTexture(path);
    if (texture.isNull()) {
        example_->SetImage(QImage());
        const QString suffix = suffixOf(path);
        if (suffix == QLatin1String("BMP") || suffix == QLatin1String("WMF"))
            ShowInfo(QStringLiteral("Error loading file!"));
        chosenFile_.clear();
        return;
    }
    example_->SetImage(texture);
    if (example_->SurfaceType() != stBrushImage)
        example_->SetSurfaceType(stBrushImage);
    example_->update();
    chosenFile_ = path;
    fitExample();
}

void TSuperTextBrushImageBrowser::fitExample()
{
    example_->Layout();
    scroll_->widget()->resize(example_->geometry().bottomRight().x() + 8, example_->geometry().bottom() + 8);
    scroll_->ensureVisible(0, 0);
}

int TSuperTextBrushImageBrowser::Run()
{
    fitExample();
    if (execSeam())
        return execSeam()(*this);
    return exec();
}

void TSuperTextBrushImageBrowser::SetExecForTesting(std::function<int(TSuperTextBrushImageBrowser&)> exec)
{
    execSeam() = std::move(exec);
}
