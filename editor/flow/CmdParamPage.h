#pragma once
// What the dialogs over a command's parameter list share: a new command starts with no time and
// the dialog's parallel run, then takes the dialog's own defaults; the parameter list holds at
// least the dialog's count. A dialog whose controls each show one parameter gives them as a
// table (its shape).
#include <cstddef>
#include <utility>
#include <vector>

#include "data/FlowCommand.h"
#include "editor/flow/CmdPage.h"

// One control over one parameter: a combo of option names, a number edit with its range and
// spin, or a check box.
struct cParamCtrl {
    enum eKind { eCombo, eEdit, eCheck } kind;
    uint16_t id;
    size_t param;
    const char* const* names;
    int32_t minimum;
    int32_t maximum;
    uint16_t spin;
};
inline cParamCtrl ParamCombo(uint16_t id, size_t param, const char* const* names) {
    return {cParamCtrl::eCombo, id, param, names, 0, 0, 0};
}
inline cParamCtrl ParamEdit(uint16_t id, size_t param, int32_t minimum, int32_t maximum, uint16_t spin) {
    return {cParamCtrl::eEdit, id, param, nullptr, minimum, maximum, spin};
}
inline cParamCtrl ParamCheck(uint16_t id, size_t param) { return {cParamCtrl::eCheck, id, param, nullptr, 0, 0, 0}; }

struct cParamShape {
    size_t count;
    uint8_t parallel;  // of a new command
    std::vector<std::pair<size_t, int32_t>> defaults;  // of a new command: parameter, value
    std::vector<cParamCtrl> ctrls;
};

class cCmdParamPage : public cCmdPage {
public:
    cCmdParamPage(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group,
                  const cParamShape& shape);
    // A new command runs in parallel; the dialog binds its controls itself.
    cCmdParamPage(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group, size_t count)
        : cCmdParamPage(templateId, parent, context, group, cParamShape{count, 1, {}, {}}) {}

protected:
    std::vector<int32_t>& P() const { return Cmd().m_Params; }
};
