#include "objects/kinds/GImageBrowser.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>

#include "platform/HelpViewer.h"
#include "platform/LoadPicture.h"
#include "platform/MessageBoxes.h"

namespace {

constexpr int HelpTopic = 40003;

// The folder the browser showed last, where the next one starts.
QString& lastFolder()
{
    static QString folder;
    return folder;
}

// The scrolling preview: the picture at its own size, or stretched over the
// control; the scaled picture is kept until the picture or size changes.
class PreviewImage : public QWidget {
public:
    PreviewImage(const TPicture& picture, QWidget* parent) : QWidget(parent), picture_(picture) {}
    bool stretch = false;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QSize natural(picture_.Width(), picture_.Height());
        const QSize target = stretch ? size() : natural;
        if (cache_.size() != target || generation_ != picture_.Generation()) {
            cache_ = QImage(target.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
            cache_.fill(Qt::transparent);
            QPainter p(&cache_);
            picture_.Draw(p, QRectF(QPointF(0, 0), QSizeF(target)));
            generation_ = picture_.Generation();
        }
        painter.drawImage(0, 0, cache_);
    }

private:
    const TPicture& picture_;
    QImage cache_;
    quint64 generation_ = ~quint64(0);
};

// "What's this?" on every control's popup menu.
void offerWhatsThis(QWidget* control, const QString& text)
{
    control->setWhatsThis(text);
    control->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* action = new QAction(QStringLiteral("What's this?"), control);
    QObject::connect(action, &QAction::triggered, control, [control] {
        QWhatsThis::showText(control->mapToGlobal(QPoint(control->width() / 2, control->height() / 2)),
                             control->whatsThis(), control);
    });
    control->addAction(action);
}

bool matchesMask(const QString& name)
{
    static const QRegularExpression mask = [] {
        QStringList patterns;
        for (const QString& glob : TGImageBrowser::FileMask().split(u';'))
            patterns << QRegularExpression::wildcardToRegularExpression(glob, QRegularExpression::UnanchoredWildcardConversion);
        return QRegularExpression(QStringLiteral("^(?:%1)$").arg(patterns.join(u'|')),
                                  QRegularExpression::CaseInsensitiveOption);
    }();
    return mask.match(name).hasMatch();
}

} // namespace

const QString& TGImageBrowser::FileMask()
{
    static const QString mask = QStringLiteral("*.BMP;*.DIB;*.JPG;*.JIF;*.PCX;*.RLE;*.TGA;*.WMF;*.ICO");
    return mask;
}

TGImageBrowser::TGImageBrowser(QWidget* owner) : QDialog(owner ? owner->window() : nullptr)
{
    setObjectName(QStringLiteral("GImageBrowser"));
    setWindowTitle(QStringLiteral("Load Image File "));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(592, 300);
    QApplication::restoreOverrideCursor();

    driveList_ = new QComboBox;
    driveList_->setObjectName(QStringLiteral("DriveComboBox1"));
    folderList_ = new QListWidget;
    folderList_->setObjectName(QStringLiteral("DirectoryListBox1"));
    fileList_ = new QListWidget;
    fileList_->setObjectName(QStringLiteral("FileListBox1"));
    scrollBox_ = new QScrollArea;
    scrollBox_->setObjectName(QStringLiteral("ScrollBox1"));
    auto* preview = new PreviewImage(preview_, nullptr);
    image_ = preview;
    image_->setObjectName(QStringLiteral("Image1"));
    scrollBox_->setWidget(image_);
    scrollBox_->setWidgetResizable(false);

    auto* left = new QVBoxLayout;
    left->addWidget(driveList_);
    left->addWidget(folderList_, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 3);
    top->addWidget(fileList_, 3);
    top->addWidget(scrollBox_, 4);

    auto* ok = new QPushButton(QStringLiteral("Ok"));
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("CancelButton"));
    auto* options = new QGroupBox(QStringLiteral(" Options "));
    options->setObjectName(QStringLiteral("OptionsGroup"));
    stretchBox_ = new QCheckBox(QStringLiteral("Stretch"));
    stretchBox_->setObjectName(QStringLiteral("StretchCheck"));
    stretchBox_->setToolTip(QStringLiteral("Stretch image to max display size"));
    autoSizeBox_ = new QCheckBox(QStringLiteral("AutoSize"));
    autoSizeBox_->setObjectName(QStringLiteral("AutoSizeCheck"));
    autoSizeBox_->setToolTip(QStringLiteral("AutoSize TImage"));
    auto* optionsRow = new QHBoxLayout(options);
    optionsRow->addWidget(stretchBox_);
    optionsRow->addWidget(autoSizeBox_);
    auto* help = new QPushButton(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("HelpButton"));
    auto* contextHelp = new QToolButton;
    contextHelp->setObjectName(QStringLiteral("ContextHelpButton"));
    contextHelp->setText(QStringLiteral("?"));
    contextHelp->setToolTip(QStringLiteral("Click here, then on a control, for help on it"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    bottom->addWidget(options);
    bottom->addWidget(help);
    bottom->addWidget(contextHelp);
    bottom->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);

    offerWhatsThis(driveList_, QStringLiteral("The places on this computer: your home folder and the mounted volumes."));
    offerWhatsThis(folderList_, QStringLiteral("The folders of the chosen place. Double-click a folder to open it, \"..\" to go up."));
    offerWhatsThis(fileList_, QStringLiteral("The picture files of the folder. Click one to see it in the preview."));
    offerWhatsThis(scrollBox_, QStringLiteral("The preview of the chosen picture."));
    offerWhatsThis(ok, QStringLiteral("Puts the chosen picture into the picture object."));
    offerWhatsThis(cancel, QStringLiteral("Closes without changing the picture object."));
    offerWhatsThis(stretchBox_, QStringLiteral("Stretches the picture over the whole picture object."));
    offerWhatsThis(autoSizeBox_, QStringLiteral("Gives the picture object the picture's own size."));
    offerWhatsThis(help, QStringLiteral("Shows the help page of this dialog."));
    offerWhatsThis(contextHelp, QStringLiteral("Click here, then on a control, for help on it."));

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { ShowHelpTopic(HelpTopic); });
    connect(contextHelp, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    connect(stretchBox_, &QCheckBox::clicked, this, &TGImageBrowser::stretchClicked);
    connect(autoSizeBox_, &QCheckBox::clicked, this, &TGImageBrowser::autoSizeClicked);
    connect(fileList_, &QListWidget::currentRowChanged, this, &TGImageBrowser::fileSelected);
    connect(folderList_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        SetFolder(item->data(Qt::UserRole).toString());
    });
    connect(driveList_, &QComboBox::activated, this, [this](int index) {
        SetFolder(driveList_->itemData(index).toString());
    });

    fillDrives();
    QString start = lastFolder();
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(start).isDir())
        start = QDir::homePath();
    SetFolder(start);

    if (QWidget* main = parentWidget()) {
        const QRect over = main->frameGeometry();
        move(over.center() - QPoint(width() / 2, height() / 2));
    }
}

TGImageBrowser::~TGImageBrowser() = default;

void TGImageBrowser::fillDrives()
{
    driveList_->clear();
    driveList_->addItem(QDir::homePath(), QDir::homePath());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString root = volume.rootPath();
        // Kernel and memory file systems hold no pictures (the root stays).
        const QByteArray type = volume.fileSystemType();
        const bool system = type == "proc" || type == "sysfs" || type == "tmpfs" || type == "devtmpfs"
            || root.startsWith(u"/proc") || root.startsWith(u"/sys") || root.startsWith(u"/dev") || root.startsWith(u"/run");
        if (system && root != u"/")
            continue;
        if (driveList_->findData(root) < 0)
            driveList_->addItem(volume.displayName() == root ? root : QStringLiteral("%1 (%2)").arg(root, volume.displayName()), root);
    }
}

void TGImageBrowser::SetFolder(const QString& folder)
{
    const QDir dir(folder);
    if (!dir.exists())
        return;
    folder_ = dir.absolutePath();
    lastFolder() = folder_;

    folderList_->clear();
    if (!dir.isRoot()) {
        auto* up = new QListWidgetItem(QStringLiteral(".."), folderList_);
        up->setData(Qt::UserRole, QFileInfo(folder_).dir().absolutePath());
    }
    for (const QFileInfo& sub : dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QListWidgetItem(sub.fileName(), folderList_);
        item->setData(Qt::UserRole, sub.absoluteFilePath());
    }

    const QSignalBlocker blocker(fileList_);
    fileList_->clear();
    for (const QFileInfo& file : dir.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase))
        if (matchesMask(file.fileName()))
            fileList_->addItem(file.fileName());
    fileList_->setCurrentRow(-1);
    // The place holding the folder most closely is the one shown.
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < driveList_->count(); ++i) {
        const QString root = driveList_->itemData(i).toString();
        if (folder_.startsWith(root) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    driveList_->setCurrentIndex(best);
}

QString TGImageBrowser::SelectedFile() const
{
    QListWidgetItem* item = fileList_->currentItem();
    if (!item || fileList_->currentRow() < 0)
        return {};
    return QDir(folder_).filePath(item->text());
}

bool TGImageBrowser::LoadPreview(const QString& path, TPicture& picture, bool* showError)
{
    const QString ext = QFileInfo(path).suffix().toUpper();
    const bool ownLoader = ext == u"BMP" || ext == u"WMF";
    if (showError)
        *showError = ownLoader;
    if (ownLoader)
        return picture.LoadFromFile(path);
    const TDecodedImage decoded = LoadPicture(path);
    if (decoded.IsNull())
        return false;
    // Icons, like every other decoded picture, become a bitmap of their own
    // size, transparent parts on white.
    picture.SetBitmap(decoded.image);
    return true;
}

void TGImageBrowser::fileSelected()
{
    const QString path = SelectedFile();
    if (path.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool showError = false;
    const bool loaded = LoadPreview(path, preview_, &showError);
    QApplication::restoreOverrideCursor();
    if (!loaded) {
        preview_.Clear();
        if (showError)
            ShowError(QStringLiteral("Error loading file!"));
    }
    layoutPreview();
}

void TGImageBrowser::stretchClicked()
{
    if (stretchBox_->isChecked())
        autoSizeBox_->setChecked(false);
    layoutPreview();
}

void TGImageBrowser::autoSizeClicked()
{
    if (autoSizeBox_->isChecked())
        stretchBox_->setChecked(false);
    layoutPreview();
}

void TGImageBrowser::layoutPreview()
{
    auto* preview = static_cast<PreviewImage*>(image_);
    preview->stretch = stretchBox_->isChecked();
    const QSize natural(std::max(1, preview_.Width()), std::max(1, preview_.Height()));
    // Auto-sized, the preview takes the picture's size and scrolls; otherwise
    // it fills the scroll box.
    preview->resize(autoSizeBox_->isChecked() ? natural : scrollBox_->viewport()->size());
    preview->update();
}
