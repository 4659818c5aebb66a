#pragma once
// What the status switch, item, graphic, anime, effect, picture, screen, sound, music and code
// dialogs share: a new command starts with no time and runs in parallel, then takes the
// dialog's own defaults; the parameter list holds at least the dialog's count.
#include <vector>

#include "data/FlowCommand.h"
#include "editor/flow/CmdPage.h"

class cCmdParamPage : public cCmdPage {
public:
    cCmdParamPage(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group, size_t count)
        : cCmdPage(templateId, parent, context, group) {
        if (Cmd().m_Params.size() < count) Cmd().m_Params.resize(count, 0);
        if (IsNew()) {
            Cmd().m_Time = 0;
            Cmd().m_Parallel = 1;
        }
    }

protected:
    std::vector<int32_t>& P() const { return Cmd().m_Params; }
};
