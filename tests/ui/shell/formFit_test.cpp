// Every form the program has, opened in its fullest state, fits the main window and
// shows its title, its captions, its controls and its list entries whole.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPaintEngine>
#include <QPointer>
#include <QRadioButton>
#include <QSet>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTextDocument>
#include <QTextItem>
#include <algorithm>
#include <climits>
#include <map>
#include <string>
#include <vector>

#include "core/itemTexts.h"
#include "core/modB3Glimwarden.h"
#include "platform/childForm.h"
#include "platform/childFormRegistry.h"
#include "platform/vbControls.h"
#include "shell/childFormOrder.h"
#include "shell/frmB3MasterMDI.h"
#include "support/liveFormHarness.h"
#include "support/widgetActions.h"

namespace {

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

// Kind, name, caption and place of a control, to tell which of a row array failed.
std::string describe(const QWidget* control)
{
    const QRect place = control->geometry();
    return QStringLiteral("%1 %2 \"%3\" at %4,%5 %6x%7")
        .arg(QString::fromLatin1(control->metaObject()->className()), control->objectName(),
             control->property("text").toString())
        .arg(place.x())
        .arg(place.y())
        .arg(place.width())
        .arg(place.height())
        .toStdString();
}

// A paint engine that draws nothing and keeps the texts painted through it.
class TextRecorder : public QPaintEngine {
public:
    TextRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawTextItem(const QPointF&, const QTextItem& text) override { texts << text.text(); }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawRects(const QRectF*, int) override {}
    void drawLines(const QLineF*, int) override {}
    void drawEllipse(const QRectF&) override {}
    Type type() const override { return QPaintEngine::User; }

    QStringList texts;
};

// An image of the screen's resolution, so texts are laid out as on screen, painted
// through a TextRecorder.
class TextRecordingImage : public QImage {
public:
    explicit TextRecordingImage(QSize size) : QImage(size, QImage::Format_ARGB32) {}
    QPaintEngine* paintEngine() const override { return &recorder; }
    mutable TextRecorder recorder;
};

// The texts an MDI frame paints itself, each once: its title bar's title, shortened
// with "…" by Qt and the style where the bar has too little room.
std::vector<std::string> textsOnFrame(QMdiSubWindow* frame)
{
    TextRecordingImage image(frame->size());
    frame->render(&image, QPoint(), QRegion(frame->rect()), QWidget::DrawWindowBackground);
    std::vector<std::string> texts;
    for (const QString& text : image.recorder.texts)
        if (std::find(texts.begin(), texts.end(), text.toStdString()) == texts.end())
            texts.push_back(text.toStdString());
    return texts;
}

// How far a shown control reaches past the inside of the form, frame or group holding it.
int overhang(const QWidget* control, const QWidget* form)
{
    if (control->isWindow() || !control->isVisibleTo(form)) return 0;
    const QRect room = control->parentWidget()->rect();
    const QRect place = control->geometry();
    return std::max({0, room.left() - place.left(), room.top() - place.top(), place.right() - room.right(),
                     place.bottom() - room.bottom()});
}

// What a list of a form showed while the form was used: its widest entry, and how far
// it reached past the form while it stood open.
struct ListSeen {
    QString widestEntry;
    int widestWidth = 0;
    int overhang = 0;
    QSet<QString> measured;   // each text is measured once, however often the list is refilled
};
using ListsSeen = std::map<const VbComboBox*, ListSeen>;

void noteLists(const ChildForm* form, ListsSeen& seen)
{
    for (const VbComboBox* list : form->findChildren<VbComboBox*>()) {
        ListSeen& record = seen[list];
        record.overhang = std::max(record.overhang, overhang(list, form));
        const QFontMetrics metrics = list->fontMetrics();
        for (int i = 0; i < list->count(); ++i) {
            const QString text = list->itemText(i);
            if (record.measured.contains(text)) continue;
            record.measured.insert(text);
            if (const int width = metrics.horizontalAdvance(text); width > record.widestWidth) {
                record.widestEntry = text;
                record.widestWidth = width;
            }
        }
    }
}

// Uses the lists as a user makes the form fill and show them: every entry of each list
// shown is picked in turn (a selector refills the lists that depend on its item), then
// every label shown is clicked (a cell fills its list and drops it over itself).
ListsSeen useLists(ChildForm* form)
{
    ListsSeen seen;
    noteLists(form, seen);
    for (VbComboBox* list : form->findChildren<VbComboBox*>()) {
        if (!list->isVisibleTo(form)) continue;
        for (int i = 0; i < list->ListCount(); ++i) {
            list->setListIndex(i);
            noteLists(form, seen);
        }
    }
    std::vector<QPointer<VbLabel>> labels;
    for (VbLabel* label : form->findChildren<VbLabel*>()) labels.emplace_back(label);
    for (const QPointer<VbLabel>& label : labels) {
        if (!label || !label->isVisibleTo(form)) continue;
        clickWidget(label);
        noteLists(form, seen);
    }
    return seen;
}

// QComboBox keeps its style option set-up protected; a pointer to it is not.
struct ListStyleOption : QComboBox {
    using QComboBox::initStyleOption;
};

// What of an entry of `width` pixels a list cannot show in its text area.
int entryOverflow(const VbComboBox* list, int width)
{
    QStyleOptionComboBox option;
    (list->*&ListStyleOption::initStyleOption)(&option);
    const QRect field =
        list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    // The entry is drawn a pixel in from either side of the field.
    return std::max(0, width - (field.width() - 2));
}

struct FormCase {
    QString name;
    int hostByte;   // the fake panel's address, 127.0.6.<hostByte>, for this case alone
};

// The setup form, the connect form and every child form; their panels take the host
// bytes from 180 on, which no other test uses.
std::vector<FormCase> everyForm()
{
    std::vector<QString> names = {kSetupFormName, kConnectFormName};
    for (const char* name : kChildFormsInUnloadOrder) names.emplace_back(name);
    std::vector<FormCase> cases;
    for (const QString& name : names) cases.push_back({name, 180 + static_cast<int>(cases.size())});
    return cases;
}

void PrintTo(const FormCase& form, std::ostream* out) { *out << form.name.toStdString(); }

class FormFit : public LiveFormHarness, public ::testing::WithParamInterface<FormCase> {};

// Every form the program has, in its fullest state (48 points installed, inputs of
// every type, a panel connected over TCP/IP with its update buttons): its frame fits the
// MDI area whole, the title bar shows its title whole, no caption of a label, button,
// check box or option button is cut, no shown control ends outside the form or frame
// holding it (a dropped list neither), and every entry any list holds fits that list's
// text area.
TEST_P(FormFit, FitsTheWindowWithTitleCaptionsControlsAndListEntriesWhole)
{
    const QString& name = GetParam().name;
    if (!childForms::isRegistered(name)) GTEST_SKIP() << "not built into this program";
    setInstalledPoints(48);
    // Inputs of every type, so the input forms show each action list and cell kind.
    for (std::size_t i = 0; i < tConfig.iInputType.size(); ++i)
        tConfig.iInputType[i] = static_cast<int16_t>(i % kLocalInputTypeNames.size());
    connectTcp(GetParam().hostByte);
    ChildForm* form = childForms::show(name);
    ASSERT_NE(form, nullptr);
    AppHarness::processEvents();

    auto* frame = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(app.window().mdiArea->viewport()->rect().contains(frame->geometry()))
        << "frame " << frame->width() << " x " << frame->height();
    EXPECT_EQ(textsOnFrame(frame), std::vector<std::string>{form->windowTitle().toStdString()});
    for (const QWidget* control : form->findChildren<QWidget*>()) {
        EXPECT_EQ(captionOverflow(control), 0) << "caption of " << describe(control);
        EXPECT_EQ(overhang(control, form), 0) << "place of " << describe(control);
    }

    for (const auto& [list, seen] : useLists(form)) {
        EXPECT_EQ(entryOverflow(list, seen.widestWidth), 0)
            << describe(list) << " entry \"" << seen.widestEntry.toStdString() << "\"";
        EXPECT_EQ(seen.overhang, 0) << "place of " << describe(list) << " when open";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryForm, FormFit, ::testing::ValuesIn(everyForm()),
                         [](const ::testing::TestParamInfo<FormCase>& info) { return info.param.name.toStdString(); });

} // namespace
