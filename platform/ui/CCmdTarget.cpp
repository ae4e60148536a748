#include "platform/ui/CCmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI) {
    return DispatchOwn(nID, nCode, pCmdUI);
}

void CCmdTarget::RouteUpdate(CCmdUI* pCmdUI) {
    if (OnCmdMsg(pCmdUI->m_nID, CN_UPDATE_COMMAND_UI, pCmdUI)) {
        return;
    }
    pCmdUI->Enable(OnCmdMsg(pCmdUI->m_nID, CN_COMMAND_PROBE, nullptr));
}

void CCmdTarget::MapCommand(UINT id, std::function<void()> handler) {
    commands_[id] = std::move(handler);
}

void CCmdTarget::MapCommandRange(UINT first, UINT last, std::function<void(UINT)> handler) {
    commandRanges_.emplace_back(Range{first, last}, std::move(handler));
}

void CCmdTarget::MapUpdate(UINT id, std::function<void(CCmdUI*)> handler) {
    updates_[id] = std::move(handler);
}

BOOL CCmdTarget::DispatchOwn(UINT nID, int nCode, CCmdUI* pCmdUI) {
    if (nCode == CN_UPDATE_COMMAND_UI) {
        if (auto it = updates_.find(nID); it != updates_.end()) {
            it->second(pCmdUI);
            return TRUE;
        }
        for (auto& [range, handler] : updateRanges_) {
            if (nID >= range.first && nID <= range.last) {
                handler(pCmdUI);
                return TRUE;
            }
        }
        return FALSE;
    }
    auto it = commands_.find(nID);
    if (it != commands_.end()) {
        if (nCode == CN_COMMAND) {
            it->second();
        }
        return TRUE;
    }
    for (auto& [range, handler] : commandRanges_) {
        if (nID >= range.first && nID <= range.last) {
            if (nCode == CN_COMMAND) {
                handler(nID);
            }
            return TRUE;
        }
    }
    return FALSE;
}
