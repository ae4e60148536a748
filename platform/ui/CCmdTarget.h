#pragma once
// Base of everything that receives command ids. Each object has a command map (id -> handler,
// id -> update handler) filled in its constructor; OnCmdMsg looks in the own map and the
// derived classes pass unhandled ids on: view -> document -> child frame -> main frame ->
// application, and a dialog to its parent. Command ids without any handler on the route are
// shown disabled.

#include "platform/core/CObject.h"
#include "platform/ui/CCmdUI.h"

#include <functional>
#include <map>

enum : int {
    CN_COMMAND = 0,           // run the handler
    CN_UPDATE_COMMAND_UI = 1, // run the update handler
    CN_COMMAND_PROBE = 2,     // only answer whether a handler exists
};

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    // True when this object or one on its route took the id (nCode: CN_...).
    virtual BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI);

    // Runs a command along the route; false when nobody handles it.
    BOOL RouteCommand(UINT nID) { return OnCmdMsg(nID, CN_COMMAND, nullptr); }
    // Fills pCmdUI along the route: update handler if any, else enabled iff a handler exists.
    void RouteUpdate(CCmdUI* pCmdUI);

protected:
    void MapCommand(UINT id, std::function<void()> handler);
    void MapCommandRange(UINT first, UINT last, std::function<void(UINT)> handler);
    void MapUpdate(UINT id, std::function<void(CCmdUI*)> handler);

    template <class T> void MapCommand(UINT id, void (T::*fn)()) {
        T* self = static_cast<T*>(this);
        MapCommand(id, [self, fn] { (self->*fn)(); });
    }
    template <class T> void MapUpdate(UINT id, void (T::*fn)(CCmdUI*)) {
        T* self = static_cast<T*>(this);
        MapUpdate(id, [self, fn](CCmdUI* ui) { (self->*fn)(ui); });
    }

    // Looks only in this object's own map.
    BOOL DispatchOwn(UINT nID, int nCode, CCmdUI* pCmdUI);

private:
    struct Range {
        UINT first;
        UINT last;
    };
    std::map<UINT, std::function<void()>> commands_;
    std::map<UINT, std::function<void(CCmdUI*)>> updates_;
    std::vector<std::pair<Range, std::function<void(UINT)>>> commandRanges_;
    std::vector<std::pair<Range, std::function<void(CCmdUI*)>>> updateRanges_;
};
