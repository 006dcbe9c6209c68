#include "CCmdTarget.h"

const MessageMap* CCmdTarget::GetThisMessageMap()
{
    static const MessageMap map{nullptr, {}};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

static bool Matches(const MessageMapEntry& entry, MessageKind kind, int id, int code)
{
    if (entry.kind != kind)
        return false;
    if (kind != MessageKind::Command)
        return true;
    return entry.id == id && entry.code == code;
}

bool CCmdTarget::RouteMessage(MessageKind kind, int id, int code, WPARAM wParam, LPARAM lParam,
                              LRESULT* result)
{
    for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
        for (const MessageMapEntry& entry : map->entries) {
            if (!Matches(entry, kind, id, code))
                continue;
            LRESULT value = entry.handler(*this, wParam, lParam);
            if (result)
                *result = value;
            return true;
        }
    }
    return false;
}
