#pragma once
// Lines of the expression language run on scratch values in place of a stage at play: the
// editor's check of a code line before its command is accepted. Every object has a character,
// variables run 0 to 255 in both scopes, and nothing of the project changes.
#include <cstdint>
#include <functional>
#include <string>

#include "data/Expr.h"

class cExprScratch : public cExprBinding {
public:
    static constexpr int kVariables = 256;

    typedef std::function<void(const std::string&)> cMessageSink;
    explicit cExprScratch(cMessageSink sink) : m_Sink(std::move(sink)) {}

    void ShowMessage(const std::string& text) override { m_Sink(text); }
    // The C library's generator, the one the editor has.
    int32_t Random() override;
    bool HasObject(int32_t) override { return true; }
    bool HasVariable(int32_t scope, int32_t number) override;
    int32_t ReadVariable(int32_t scope, int32_t number) override { return m_Variables[scope][number]; }
    void WriteVariable(int32_t scope, int32_t number, int32_t value) override { m_Variables[scope][number] = value; }
    int32_t ReadMember(int32_t object, int32_t member) override { return m_Members[object][member]; }
    void WriteMember(int32_t object, int32_t member, int32_t value) override { m_Members[object][member] = value; }
    int32_t MaxOf(int32_t object, int32_t member) override;
    int32_t ReadSystem(int32_t system) override { return m_Systems[system]; }
    void WriteSystem(int32_t system, int32_t value) override { m_Systems[system] = value; }

    int32_t m_Variables[kExprVarScopes][kVariables] = {};
    int32_t m_Members[eExprSys][kExprMembers] = {};
    int32_t m_Systems[kExprSystems] = {};

private:
    cMessageSink m_Sink;
};

// The editor's check of a code line: true when the line runs on scratch values without an
// error; every error met is shown through the sink.
bool CheckExpression(const std::string& text, const cExprScratch::cMessageSink& sink);
