#pragma once
// Shared set-up of the label tests: the kinds installed, a calendar page owned
// by a stand-in main window, dialogs and colour choices answered by the test.
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QPainter>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

#include "TestSupport.h"
#include "objects/GHandle.h"
#include "objects/kinds/GPLabel.h"
#include "objects/kinds/KindDialogs.h"
#include "objects/kinds/PageObjectKinds.h"
#include "page/CalendarPanel32.h"

class LabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallPageObjectKinds();
        owner = std::make_unique<TComponent>();
        page = new TCalendarPanel32(owner.get());
        page->LabelChangedEvent = [this](QObject*) { ++changes; };
        SetKindDialogRunnerForTesting([this](QDialog& dialog) {
            ++dialogsRun;
            return onDialog ? onDialog(dialog) : int(QDialog::Rejected);
        });
    }
    void TearDown() override
    {
        SetKindDialogRunnerForTesting({});
        SetKindColorChooserForTesting({});
        delete page;
        owner.reset();
    }

    // A label on the page, as a document would hold it.
    TGPLabel* addLabel(const QString& caption, QRect bounds)
    {
        auto* label = new TGPLabel(owner.get(), page);
        label->SetCaption(caption);
        label->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        label->Loaded();
        page->AttachObject(label);
        label->show();
        return label;
    }
    static QAction* menuEntry(TGGraphicControl* object, const char* name)
    {
        return object->PopupMenu()->findChild<QAction*>(QString::fromLatin1(name), Qt::FindChildrenRecursively);
    }
    // The label alone on white, drawn as it paints itself.
    static QImage render(TGBaseLabel& label)
    {
        QImage image(label.Width(), label.Height(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        label.DrawOnCanvas(painter);
        return image;
    }
    template <class W>
    static W* control(QDialog& dialog, const char* name)
    {
        W* found = dialog.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    std::unique_ptr<TComponent> owner;
    TCalendarPanel32* page = nullptr;
    int changes = 0;
    int dialogsRun = 0;
    std::function<int(QDialog&)> onDialog;
};
