#pragma once
// Anything that routes messages through a table.

#include "MessageMap.h"

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    virtual const MessageMap* GetMessageMap() const;
    static const MessageMap* GetThisMessageMap();

    // Runs the first matching entry of this class's table or its bases';
    // false when none matches.
    bool RouteMessage(MessageKind kind, int id, int code, WPARAM wParam, LPARAM lParam,
                      LRESULT* result = nullptr);
};
