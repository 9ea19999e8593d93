// The Text tool and the label's two dialogs, worked as a user works them.
#include "LabelKit.h"

#include <QToolButton>

#include "objects/kinds/ColorDrop.h"
#include "objects/kinds/Font3DEffects.h"
#include "platform/HelpViewer.h"

namespace {

// Every control a user can point at explains itself.
void everyControlHasWhatsThis(QDialog& dialog)
{
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        const bool pointable = qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control)
            || qobject_cast<QComboBox*>(control);
        if (pointable) {
            EXPECT_FALSE(control->whatsThis().isEmpty()) << qPrintable(control->objectName());
        }
    }
}

void choose(QComboBox* list, const QString& row)
{
    const int index = list->findText(row);
    ASSERT_GE(index, 0) << qPrintable(row);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

} // namespace

TEST_F(LabelTest, TextToolMakesAFramedLabelAndAsksForItsText)
{
    QList<int> topics;
    SetHelpHandlerForTesting([&](int topic) { topics.append(topic); });
    page->Font() = TFont(QStringLiteral("Liberation Serif"), 12, TFont::fsItalic, TColors::clMaroon);
    onDialog = [&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Text"));
        // The label is placed and the tool has ended before the dialog opens.
        auto* label = qobject_cast<TGPLabel*>(page->PageObjects().value(0));
        EXPECT_NE(label, nullptr);
        if (!label)
            return int(QDialog::Rejected);
        EXPECT_EQ(label->BoundsRect(), QRect(30, 40, 50, 15));
        EXPECT_EQ(page->PanelState(), psPointing);
        EXPECT_EQ(label->Caption(), QStringLiteral("Enter text..."));
        EXPECT_EQ(label->Font().Name(), QStringLiteral("Liberation Serif"));
        EXPECT_EQ(label->Font().Size(), 20);
        EXPECT_FALSE(label->Transparent());
        EXPECT_EQ(label->BorderStyle(), bsSingle);
        EXPECT_EQ(control<QLineEdit>(dialog, "LabelText")->text(), QStringLiteral("Enter text..."));
        EXPECT_EQ(control<QLineEdit>(dialog, "LabelText")->width(), 321);
        everyControlHasWhatsThis(dialog);
        control<QPushButton>(dialog, "Helpbutton")->click();
        vellumy::test::SaveForInspection(dialog.grab().toImage(), QStringLiteral("label-text-dialog.png"));
        control<QLineEdit>(dialog, "LabelText")->setText(QStringLiteral("Happy Birthday"));
        control<QPushButton>(dialog, "OKButton")->click();
        return dialog.result();
    };
    page->SetPanelState(psLabel);
    page->ToolRectDone(QRect(30, 40, 10, 10));
    EXPECT_EQ(dialogsRun, 1);
    EXPECT_EQ(topics, QList<int>{40004});
    auto* label = qobject_cast<TGPLabel*>(page->PageObjects().value(0));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), QStringLiteral("Happy Birthday"));
    EXPECT_GT(label->Width(), 150) << "the label grew to its text";
    EXPECT_EQ(label->Owner(), owner.get());

    // Cancel keeps the text; "Ok" on an empty edit clears it.
    onDialog = [](QDialog& dialog) {
        control<QLineEdit>(dialog, "LabelText")->clear();
        control<QPushButton>(dialog, "Cancelbutton")->click();
        return dialog.result();
    };
    menuEntry(label, "Text")->trigger();
    EXPECT_EQ(label->Caption(), QStringLiteral("Happy Birthday"));
    onDialog = [](QDialog& dialog) {
        control<QLineEdit>(dialog, "LabelText")->clear();
        control<QPushButton>(dialog, "OKButton")->click();
        return dialog.result();
    };
    menuEntry(label, "Text")->trigger();
    EXPECT_EQ(label->Caption(), QString());
    SetHelpHandlerForTesting({});
}

TEST_F(LabelTest, EffectsDialogTriesChoicesOnTheSampleAndOkGivesThemToTheLabel)
{
    TGPLabel* label = addLabel(QStringLiteral("Depth"), QRect(20, 20, 120, 40));
    label->Font().SetSize(18);
    SetKindColorChooserForTesting([](TColor& color) {
        color = 0x336699;
        return true;
    });
    QList<int> topics;
    SetHelpHandlerForTesting([&](int topic) { topics.append(topic); });

    onDialog = [&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Text 3D Effects"));
        EXPECT_EQ(dialog.size(), QSize(467, 338));
        auto* effects = qobject_cast<TGFont3DEffects*>(&dialog);
        EXPECT_NE(effects, nullptr);
        TGPLabel& sample = effects->Sample();
        EXPECT_EQ(sample.Caption(), QStringLiteral("Text"));
        EXPECT_EQ(sample.Font().Size(), 18);
        EXPECT_EQ(control<QComboBox>(dialog, "ShadowDirection")->currentText(), QStringLiteral("Lower Right"));
        EXPECT_EQ(control<QComboBox>(dialog, "ShadowDepth")->count(), 11);
        everyControlHasWhatsThis(dialog);

        choose(control<QComboBox>(dialog, "ShadowDirection"), QStringLiteral("Lower Left"));
        choose(control<QComboBox>(dialog, "ShadowDepth"), QStringLiteral("5"));
        choose(control<QComboBox>(dialog, "HighlightDirection"), QStringLiteral("Up"));
        choose(control<QComboBox>(dialog, "HighLightDepth"), QStringLiteral("2"));
        choose(control<QComboBox>(dialog, "HighLightColorCombo"), QStringLiteral("Red"));
        choose(control<QComboBox>(dialog, "ShadowColorCombo"), QStringLiteral("Other..."));
        choose(control<QComboBox>(dialog, "FontColorCombo"), QStringLiteral("Navy"));
        EXPECT_EQ(sample.DirectionShadow(), sdDownLeft);
        EXPECT_EQ(sample.DepthShadow(), 5);
        EXPECT_EQ(sample.DirectionHighlight(), hdUp);
        EXPECT_EQ(sample.colorHighlight(), TColors::clRed);
        EXPECT_EQ(sample.colorShadow(), 0x336699);
        EXPECT_EQ(control<QComboBox>(dialog, "ShadowColorCombo")->currentText(), QStringLiteral("Custom"));
        EXPECT_EQ(sample.Font().Color(), TColors::clNavy);
        EXPECT_EQ(label->DepthShadow(), 0) << "the label waits for Ok";
        control<QPushButton>(dialog, "Helpbutton")->click();
        vellumy::test::SaveForInspection(dialog.grab().toImage(), QStringLiteral("label-3d-dialog.png"));
        control<QPushButton>(dialog, "OKButton")->click();
        return dialog.result();
    };
    changes = 0;
    menuEntry(label, "3DEffects")->trigger();
    EXPECT_EQ(topics, QList<int>{40008});
    EXPECT_EQ(label->DirectionShadow(), sdDownLeft);
    EXPECT_EQ(label->DepthShadow(), 5);
    EXPECT_EQ(label->DirectionHighlight(), hdUp);
    EXPECT_EQ(label->DepthHighlight(), 2);
    EXPECT_EQ(label->colorHighlight(), TColors::clRed);
    EXPECT_EQ(label->colorShadow(), 0x336699);
    EXPECT_EQ(label->Font().Color(), TColors::clNavy);
    EXPECT_EQ(label->Font().Size(), 18);
    EXPECT_GT(changes, 0);

    // Cancel leaves the label as it was.
    onDialog = [](QDialog& dialog) {
        choose(control<QComboBox>(dialog, "ShadowDirection"), QStringLiteral("None"));
        control<QPushButton>(dialog, "Cancelbutton")->click();
        return dialog.result();
    };
    menuEntry(label, "3DEffects")->trigger();
    EXPECT_EQ(label->DirectionShadow(), sdDownLeft);
    SetHelpHandlerForTesting({});
}
