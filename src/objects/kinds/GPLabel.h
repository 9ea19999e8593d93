#pragma once
// TGPLabel: the text label the Text tool places and documents store. Adds the
// text entry command and the rotation submenu to TGBaseLabel.
#include "objects/kinds/GBaseLabel.h"

class TGPLabel : public TGBaseLabel {
    Q_OBJECT
public:
    explicit TGPLabel(TComponent* owner, QWidget* parent = nullptr);

    void AddPopupEntries(QMenu& menu) override;
    void PopupOpening() override;
    // The Text tool's steps: "Enter text..." in the page's font at 20 points,
    // opaque and framed, placed; the tool ends and the text dialog opens.
    void CreatedByTool(TGBasePanel& page, const QRect& rect, const std::function<void()>& endTool) override;

    // The font dialog, then the label grows to its text.
    void FontCommand() override;
    // The text entry dialog; on "Ok" the caption takes its text and the label
    // grows to fit it.
    void EditTextCommand();
    // Run right after the Text tool made the label.
    void EditCommand() { EditTextCommand(); }

    static const TClassInfo& StaticClassInfo();
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

private:
    QAction* rotationItems_[4] = {};
};
