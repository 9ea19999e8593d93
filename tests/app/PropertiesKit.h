#pragma once
// Drives the properties dialog as a user would: controls found by their
// names, clicks, keys and list rows.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "app/CalendarProperties.h"
#include "app/PropertiesChoosers.h"
#include "page/CalendarPanel32.h"

namespace props {

template <typename T>
T* find(const QWidget& dialog, const char* name)
{
    T* control = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_TRUE(control) << "no control " << name;
    return control;
}

inline void click(const QWidget& dialog, const char* name)
{
    auto* button = find<QAbstractButton>(dialog, name);
    if (!button)
        return;
    // Check boxes and radio buttons answer clicks on their mark and text
    // only, and may be wider than both.
    const bool marked = button->inherits("QCheckBox") || button->inherits("QRadioButton");
    QTest::mouseClick(button, Qt::LeftButton, {}, marked ? QPoint(6, button->height() / 2) : button->rect().center());
}

// Types lines into a memo, each followed by Enter.
inline void typeLines(QWidget* memo, const QStringList& lines)
{
    for (const QString& line : lines) {
        QTest::keyClicks(memo, line);
        QTest::keyClick(memo, Qt::Key_Return);
    }
}

inline void clickRow(QListWidget* list, int row)
{
    ASSERT_TRUE(list);
    QListWidgetItem* item = list->item(row);
    ASSERT_TRUE(item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

inline void clickRow(const QWidget& dialog, const char* name, int row)
{
    clickRow(find<QListWidget>(dialog, name), row);
}

inline void showTab(const QWidget& dialog, int index)
{
    auto* tabs = find<QTabBar>(dialog, "TabSet1");
    ASSERT_TRUE(tabs);
    tabs->setCurrentIndex(index);
}

// Picks an entry with the keyboard, the way a user steps through a closed box.
inline void chooseItem(const QWidget& dialog, const char* name, int index)
{
    auto* box = find<QComboBox>(dialog, name);
    ASSERT_TRUE(box);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(box, Qt::Key_Down);
    ASSERT_EQ(box->currentIndex(), index);
}

// A dialog shown (first activation done) over an example that holds
// `layout`; the dialog's QX.ini placement stays in the test's program folder.
inline std::unique_ptr<TCalendarProperties> openDialog(TCalendarLayout layout = loFullCalendar,
                                                       float zoom = 0.3f)
{
    auto dialog = std::make_unique<TCalendarProperties>();
    dialog->ExampleCalendar().SetZoom(zoom);
    dialog->ExampleCalendar().SetCalendarLayout(layout);
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    EXPECT_FALSE(dialog->Initialising());
    return dialog;
}

// Answers the common dialogs while alive.
class Choosers {
public:
    explicit Choosers(PropertiesChoosersForTesting choosers) { SetPropertiesChoosersForTesting(std::move(choosers)); }
    ~Choosers() { SetPropertiesChoosersForTesting({}); }
};

} // namespace props
