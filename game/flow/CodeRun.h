#pragma once
// The code command: one line of the expression language run for a character in play, its names
// bound to the play scene, its messages shown in the error box.
#include <string>

#include "data/Expr.h"

class cActor;
class cPlayScene;

class cPlayExprBinding : public cExprBinding {
public:
    cPlayExprBinding(cPlayScene& scene, cActor& owner) : m_Scene(scene), m_Owner(owner) {}

    void ShowMessage(const std::string& text) override;
    int32_t Random() override;
    bool HasObject(int32_t object) override { return Object(object) != nullptr; }
    bool HasVariable(int32_t scope, int32_t number) override;
    int32_t ReadVariable(int32_t scope, int32_t number) override;
    void WriteVariable(int32_t scope, int32_t number, int32_t value) override;
    int32_t ReadMember(int32_t object, int32_t member) override;
    void WriteMember(int32_t object, int32_t member, int32_t value) override;
    int32_t MaxOf(int32_t object, int32_t member) override;
    int32_t ReadSystem(int32_t system) override;
    void WriteSystem(int32_t system, int32_t value) override;

private:
    cActor* Object(int32_t object);
    int32_t* Variable(int32_t scope, int32_t number);

    cPlayScene& m_Scene;
    cActor& m_Owner;
};

// Runs the line for the owner in the current play scene: 1 when it ran without an error, 0
// after an error, when a line names a target or a player that is not there, or without a scene.
int RunCode(const std::string& text, cActor& owner);
