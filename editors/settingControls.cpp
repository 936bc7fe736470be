#include "editors/settingControls.h"

#include "core/modB3Glimwarden.h"
#include "platform/vbControls.h"

VbComboBox* addDropDown(QWidget* parent, int left, int top, int width, const QStringList& entries)
{
    auto* list = placed(new VbComboBox(parent), left, top, width, kControlHeight);
    list->setItems(entries);
    return list;
}

VbLabel* addCaption(QWidget* parent, const QString& caption, int left, int top, int width)
{
    auto* label = placed(new VbLabel(parent), left, top + 30, width, kControlHeight - 60);
    label->setCaption(caption);
    return label;
}

void storeListEntry(const VbComboBox* list, int16_t& field, int offset)
{
    const int entry = list->ListIndex();
    if (entry < 0) return;
    field = static_cast<int16_t>(entry + offset);
    bChanged = VbTrue;
}
