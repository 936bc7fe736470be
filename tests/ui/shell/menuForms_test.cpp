#include <QAction>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <climits>
#include <utility>
#include <vector>

#include "platform/childForm.h"
#include "platform/childFormRegistry.h"
#include "shell/childFormOrder.h"
#include "shell/frmB3MasterMDI.h"
#include "shell/mainMenuTree.h"
#include "shell/mainServices.h"
#include "support/appHarness.h"
#include "support/dialogRecorder.h"

namespace {

// The menu entries that show a form built into this program, in menu order. The
// connect form is left out: closing the child forms only hides it.
void collectFormCommands(const std::vector<MainMenuEntry>& entries, std::vector<const MainMenuEntry*>& commands)
{
    for (const MainMenuEntry& entry : entries) {
        collectFormCommands(entry.children, commands);
        if (entry.form && QString(entry.form) != kConnectFormName && childForms::isRegistered(entry.form))
            commands.push_back(&entry);
    }
}

// Every menu command that shows an editor closes what was open and shows its own
// form, so only one child form (besides the hidden connect form) is up at a time.
TEST(MenuForms, EachEditorOpensFromItsMenuAndClosesThePreviousOne)
{
    std::vector<const MainMenuEntry*> commands;
    collectFormCommands(MainMenuTree(), commands);
    ASSERT_GE(commands.size(), 20U);

    DialogRecorder dialogs;
    AppHarness app;
    QString previous = kAboutFormName;
    for (const MainMenuEntry* command : commands) {
        const auto* action = app.window().findChild<QAction*>(command->name);
        ASSERT_NE(action, nullptr) << command->name;
        if (!action->isEnabled()) continue;
        app.trigger(command->name);
        AppHarness::processEvents();
        ChildForm* form = app.form(command->form);
        ASSERT_NE(form, nullptr) << command->name;
        EXPECT_TRUE(form->isVisible()) << command->name;
        if (previous != command->form) {
            EXPECT_EQ(app.form(previous), nullptr) << command->name;
        }
        previous = command->form;
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

// The width a caption needs beyond the room its control gives it, or 0 when it fits.
int captionOverflow(const QWidget* control)
{
    const QFontMetrics metrics = control->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->text().isEmpty() || Qt::mightBeRichText(label->text())) return 0;
        const int margin = label->margin();
        const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), INT_MAX), flags, label->text());
        const int wider = needed.width() - room.width();
        const int taller = label->wordWrap() ? needed.height() - room.height() : 0;
        return std::max({0, wider, taller});
    }
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    if (!button || button->text().isEmpty()) return 0;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(button)) contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(button)) contents = QStyle::SE_RadioButtonContents;
    const QRect room = button->style()->subElementRect(contents, &option, button);
    return std::max(0, metrics.horizontalAdvance(QString(button->text()).remove('&')) - room.width());
}

// Every form the program has, opened as a menu command opens it: it fits the MDI area
// whole, and no caption of a label, button, check box or option button is cut.
TEST(MenuForms, EveryFormFitsTheWindowAndEveryCaptionItsControl)
{
    std::vector<QString> forms = {kSetupFormName, kConnectFormName};
    for (const char* name : kChildFormsInUnloadOrder) forms.emplace_back(name);
    DialogRecorder dialogs;
    AppHarness app;
    const QRect area = app.window().mdiArea->viewport()->rect();
    int opened = 0;
    for (const QString& name : forms) {
        if (!childForms::isRegistered(name)) continue;
        CloseChildForms();
        ChildForm* form = childForms::show(name);
        ASSERT_NE(form, nullptr) << name.toStdString();
        ++opened;
        EXPECT_TRUE(area.contains(form->parentWidget()->geometry())) << name.toStdString();
        for (const QWidget* control : form->findChildren<QWidget*>())
            EXPECT_EQ(captionOverflow(control), 0) << name.toStdString() << " " << control->objectName().toStdString()
                                                   << " \"" << control->property("text").toString().toStdString() << "\"";
    }
    EXPECT_GT(opened, 1);
}

} // namespace
