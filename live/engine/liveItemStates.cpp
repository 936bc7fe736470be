#include "live/engine/liveItemStates.h"

#include <string_view>

#include "core/vbRuntime.h"

ItemState DefinableItemState(char c)
{
    if (c == '2') return ItemState::NotDefined;
    return c == '0' ? ItemState::Off : ItemState::On;
}

int InputContacts(char c) { return static_cast<int>(Val(std::string_view(&c, 1))); }
