#include "editor/flow/CmdParamPage.h"

cCmdParamPage::cCmdParamPage(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group,
                             const cParamShape& shape)
    : cCmdPage(templateId, parent, context, group) {
    std::vector<int32_t>& p = P();
    if (p.size() < shape.count) p.resize(shape.count, 0);
    if (IsNew()) {
        Cmd().m_Time = 0;
        Cmd().m_Parallel = shape.parallel;
        for (const auto& value : shape.defaults) p[value.first] = value.second;
    }
    for (const cParamCtrl& ctrl : shape.ctrls) {
        int32_t* var = &p[ctrl.param];
        switch (ctrl.kind) {
        case cParamCtrl::eCombo: m_Bind.Combo(ctrl.id, var, ctrl.names); break;
        case cParamCtrl::eEdit: m_Bind.Edit(ctrl.id, var, ctrl.minimum, ctrl.maximum, ctrl.spin); break;
        case cParamCtrl::eCheck: m_Bind.Check(ctrl.id, var); break;
        }
    }
}
