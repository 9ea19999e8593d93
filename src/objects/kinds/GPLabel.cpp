#include "objects/kinds/GPLabel.h"

#include <QMenu>

#include "objects/GBasePanel.h"
#include "objects/kinds/GetLabelText.h"
#include "objects/kinds/KindDialogs.h"

namespace {
constexpr int RotationAngles[4] = {0, 90, 180, 270};
}

TGPLabel::TGPLabel(TComponent* owner, QWidget* parent) : TGBaseLabel(owner, parent)
{
}

void TGPLabel::AddPopupEntries(QMenu& menuRef)
{
    TGBaseLabel::AddPopupEntries(menuRef);
    QMenu* menu = &menuRef;
    menu->addSeparator();
    QAction* text = menu->addAction(QStringLiteral("Text"));
    text->setObjectName(QStringLiteral("Text"));
    connect(text, &QAction::triggered, this, [this] { EditTextCommand(); });
    menu->addSeparator();
    QMenu* rotation = menu->addMenu(QStringLiteral("Rotation"));
    rotation->setObjectName(QStringLiteral("RotationMenu"));
    const char* captions[4] = {"No Rotation", "90 Degrees", "180 Degrees", "270 Degrees"};
    for (int i = 0; i < 4; ++i) {
        const QString caption = QString::fromLatin1(captions[i]);
        QAction* item = rotation->addAction(caption);
        item->setObjectName(QString(caption).remove(QLatin1Char(' ')));
        item->setCheckable(true);
        const int angle = RotationAngles[i];
        connect(item, &QAction::triggered, this, [this, angle] { SetAngle(angle); });
        rotationItems_[i] = item;
    }
    rotationMenu_ = true;
}

void TGPLabel::PopupOpening()
{
    TGBaseLabel::PopupOpening();
    if (!rotationMenu_)
        return;
    for (int i = 0; i < 4; ++i)
        if (rotationItems_[i])
            rotationItems_[i]->setChecked(Angle() == RotationAngles[i]);
}

void TGPLabel::CreatedByTool(TGBasePanel& page, const QRect& rect, const std::function<void()>& endTool)
{
    SetCaption(QStringLiteral("Enter text..."));
    Font().Assign(page.Font());
    Font().SetSize(20);
    page.Place(this, rect);
    SetTransparent(false);
    SetBorderStyle(bsSingle);
    if (endTool)
        endTool();
    EditCommand();
}

void TGPLabel::FontCommand()
{
    TGBaseLabel::FontCommand();
    AutoSizeToText();
}

void TGPLabel::EditTextCommand()
{
    TGetLabelText dialog(Caption(), window());
    if (RunKindDialog(dialog) != QDialog::Accepted)
        return;
    SetCaption(dialog.Text());
    AutoSizeToText();
    update();
}

const TClassInfo& TGPLabel::StaticClassInfo()
{
    static const TClassInfo info =
        TClassInfoBuilder<TGPLabel>("TGPLabel", &TGBaseLabel::StaticClassInfo())
            .factory([](TComponent* owner, QWidget* parent) -> TComponent* { return new TGPLabel(owner, parent); })
            .build();
    return info;
}
