#include "editors/listSettingsForm.h"

#include <QGroupBox>

#include "editors/engine/listEntries.h"
#include "editors/gridEditor.h"
#include "editors/settingControls.h"
#include "platform/twips.h"

namespace {

constexpr int kRowPitch = 480;
constexpr int kLabelWidth = 1095;
constexpr int kListWidth = 1815;
constexpr int kFrameMargin = 240;

} // namespace

ListSettingsForm::ListSettingsForm(const ListSettingsKind& kind) : ChildForm(QString::fromLatin1(kind.formName)), kind_(kind)
{
    setCaption(QString::fromLatin1(kind.caption));
    const int rows = static_cast<int>(kind.rows.size());
    const int rowsWidth = kLabelWidth + 120 + kListWidth;
    const int rowsHeight = kRowPitch * rows;
    QWidget* parent = this;
    const int left = kFrameMargin;
    int top = kFrameMargin;
    if (kind.frameCaption) {
        const int frameWidth = rowsWidth + 2 * kFrameMargin;
        const int frameHeight = rowsHeight + 2 * kFrameMargin;
        frame = placed(new QGroupBox(QString::fromLatin1(kind.frameCaption), this), kFrameMargin, 120, frameWidth, frameHeight);
        frame->setObjectName(QString::fromLatin1(kind.frameName));
        setTwipsSize(frameWidth + 2 * kFrameMargin, frameHeight + 360);
        parent = frame;
        top = 360;
    } else {
        setTwipsSize(rowsWidth + 2 * kFrameMargin, rowsHeight + 2 * kFrameMargin);
    }

    for (const ListSetting& row : kind.rows) {
        const int k = static_cast<int>(cbo.size());
        const int rowTop = top + kRowPitch * k;
        VbLabel* label = addCaption(parent, QString::fromLatin1(row.label), left, rowTop, kLabelWidth);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        VbComboBox* list = addDropDown(parent, left + kLabelWidth + 120, rowTop, kListWidth, listEntries(row.entries));
        label->setObjectName(QStringLiteral("lbl") + QLatin1String(row.name));
        list->setObjectName(QStringLiteral("cbo") + QLatin1String(row.name));
        connect(list, &VbComboBox::Click, this, [this, k] { cbo_Click(k); });
        lbl.push_back(label);
        cbo.push_back(list);
    }
}

void ListSettingsForm::Form_Activate()
{
    for (std::size_t k = 0; k < cbo.size(); ++k) selectStoredEntry(cbo[k], kind_.rows[k].stored, kind_.rows[k].offset);
}

void ListSettingsForm::cbo_Click(int Index)
{
    const ListSetting& row = kind_.rows[static_cast<std::size_t>(Index)];
    storeListEntry(cbo[Index], row.stored, row.offset);
}
