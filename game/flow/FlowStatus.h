#pragma once
// The statuses flows read and write by number, with the width each is stored at and the bounds
// writes keep: a character's (the editor's list "キャラ変数" to "獲得スコア"), the game's ("時間"
// to "残り人数") and the common and stage variables. Numbers outside these lists refer to
// nothing: the caller's condition is false and its operation does nothing.
#include <cstdint>

class cActor;
class cPlayScene;

enum eCharaStatus {
    eStatusVariable, eStatusHp, eStatusSp, eStatusMaxHp, eStatusMaxSp, eStatusZ, eStatusMark, eStatusSight,
    eStatusPower, eStatusImpact, eStatusImpactResist, eStatusStop, eStatusScore, kCharaStatuses
};
enum eSystemStatus { eSystemTime, eSystemScrollX, eSystemScrollY, eSystemScore, eSystemLives, kSystemStatuses };
// Whose status: the character running the flow, its target, or the game.
enum eStatusOwner { eOwnerSelf, eOwnerTarget, eOwnerSystem };
enum eVariableScope { eScopeCommon, eScopeStage };

// One status of one character: where it lies, at which width, and its bounds.
class cStatusRef {
public:
    cStatusRef() = default;
    cStatusRef(void* field, int32_t width, int32_t lower, int32_t upper)
        : m_Lower(lower), m_Upper(upper), m_Field(field), m_Width(width) {}
    // The stored value, signed at its width.
    int32_t Read() const;
    // Keeps the value within the bounds and stores it at the width.
    void Write(int64_t value) const;

    int32_t m_Lower = 0;
    int32_t m_Upper = 0;

private:
    void* m_Field = nullptr;
    int32_t m_Width = 4;
};

// The character's status; slot 1-8 chooses the character variable of status 0. False for a
// status or slot outside the lists.
bool CharaStatus(cActor& who, int32_t status, int32_t slot, cStatusRef& ref);
// Whether the editor offers "％で指定" for the character status in a condition, in an operation.
bool PercentInCondition(int32_t status);
bool PercentInOperation(int32_t status);
// Sight shape 0 sees the whole screen: such a character has no sight to read or change.
bool HasSight(const cActor& who);
// What follows a change of the character's status by a flow run by the owner: a lower maximum
// lowers life to it, a new sight range gives a new sight radius and mask, and the scene checks
// the defeat of a character other than the owner whose life fell below 1.
void AfterCharaStatusChange(cPlayScene& scene, const cActor& owner, cActor& who, int32_t status);

// The game's status: false outside the list. Time reads 0 while the stage's time is switched
// off when asked for that reading.
bool ReadSystemStatus(const cPlayScene& scene, int32_t status, bool zeroTimeWhenOff, int32_t& value);
void SystemStatusBounds(int32_t status, int32_t& lower, int32_t& upper);
// Writes the status kept within its bounds; a scroll speed reaches its scroll axis.
void WriteSystemStatus(cPlayScene& scene, int32_t status, int64_t value);

// The common (scope 0) or stage (scope 1) variable; null outside the scopes and vectors.
int32_t* FlowVariable(cPlayScene& scene, int32_t scope, int32_t number);
// Variables keep these bounds when flows write them.
const int32_t kVariableMin = -999999;
const int32_t kVariableMax = 999999;
