#pragma once
// A flow runtime that records what the character asks of it: which runners it started (with
// the start index they had), stepped and finished. Installed for the test's life; the runtime
// installed before comes back afterwards.
#include <vector>

#include "game/play/FlowRuntime.h"

class cFakeFlowRuntime : public cFlowRuntime {
public:
    struct cStart {
        const cFlow* flow;
        int32_t startInput;
    };

    cFakeFlowRuntime() : m_Previous(SetFlowRuntime(this)) {}
    ~cFakeFlowRuntime() override { SetFlowRuntime(m_Previous); }

    // Starting marks the runner running, as the real runtime does, so a running flow is not
    // started again.
    void Start(cFlowRunner& runner) override {
        runner.m_Running = 1;
        runner.m_Started = 1;
        m_Starts.push_back({runner.m_Flow, runner.m_StartInput});
    }
    int Step(cFlowRunner& runner) override {
        m_Steps.push_back(runner.m_Flow);
        return m_StepResult;
    }
    void Finish(cFlowRunner& runner, cActor&) override {
        runner.m_Running = 0;
        m_Finishes.push_back(runner.m_Flow);
    }
    int TestStatusCondition(cCondition&, cActor* subject) override {
        m_StatusSubjects.push_back(subject);
        return m_StatusResult;
    }

    // An item's list: noted with its taker; the answer is the test's.
    int RunItemCommands(cActor& taker, const cRecordVector<cFlowCmd>& commands) override {
        m_ItemRuns.push_back({&taker, commands.empty() ? -1 : commands[0].m_CmdType});
        return m_ItemResult;
    }

    struct cItemRun {
        cActor* taker;
        int firstType;  // of its first command, -1 for none
    };
    std::vector<cItemRun> m_ItemRuns;
    int m_ItemResult = 0;
    std::vector<cStart> m_Starts;
    std::vector<const cFlow*> m_Steps;
    std::vector<const cFlow*> m_Finishes;
    std::vector<cActor*> m_StatusSubjects;
    int m_StepResult = 0;
    int m_StatusResult = 1;

private:
    cFlowRuntime* m_Previous;
};
