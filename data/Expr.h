#pragma once
// Runs one line of the expression language: a rewriting pass replaces every group and function
// call by its decimal value, then the flat line is split into tokens and its operators applied
// level by level. Storage, random numbers and messages belong to the caller, through a binding:
// the game binds the names to the stage at play, the editor's check to scratch values.
#include <cstdint>
#include <string>
#include <vector>

#include "data/ExprTables.h"

class cExprBinding {
public:
    virtual ~cExprBinding() = default;
    // Shows a message of the language; the line has already failed.
    virtual void ShowMessage(const std::string& text) = 0;
    // One draw of the generator, 0 to 32767.
    virtual int32_t Random() = 0;
    // False when the object stands for no character now (no target, no player): the line ends
    // without a message.
    virtual bool HasObject(int32_t object) = 0;
    // False when the number lies outside the scope's variables.
    virtual bool HasVariable(int32_t scope, int32_t number) = 0;
    virtual int32_t ReadVariable(int32_t scope, int32_t number) = 0;
    virtual void WriteVariable(int32_t scope, int32_t number, int32_t value) = 0;
    virtual int32_t ReadMember(int32_t object, int32_t member) = 0;
    // Writes a value already kept within the member's bounds, with the member's side effects.
    virtual void WriteMember(int32_t object, int32_t member, int32_t value) = 0;
    // The upper bound of "hp" and "sp": the character's maximum.
    virtual int32_t MaxOf(int32_t object, int32_t member) = 0;
    virtual int32_t ReadSystem(int32_t system) = 0;
    virtual void WriteSystem(int32_t system, int32_t value) = 0;
};

// The two ways of running the language. The game reads a token that is no keyword as the number
// its leading digits make and ends the line at its first error; the editor's check refuses such
// a token (a number beyond 32 bits, a variable other than C1-C255 and S1-S255, rand with its
// maximum below its minimum too) and goes on after an error inside a group, so that one check
// shows every message. The check knows no values of the stage: references and rand are unknown
// values, through which only what holds for every value is refused (a division by a known 0).
struct cExprSettings {
    bool m_StrictConstants;
    bool m_InnerErrorsEndLine;
    bool m_UnknownReferences;
};
const cExprSettings kExprRunSettings = {false, true, false};
const cExprSettings kExprCheckSettings = {true, false, true};

enum eExprTokenKind { eExprNumber, eExprVariable, eExprMemberToken, eExprSystemToken, eExprOperatorToken };

struct cExprToken {
    int32_t m_Kind = eExprNumber;
    int32_t m_Value = 0;
    int32_t m_Operator = 0;
    int32_t m_Lower = kExprValueMin;
    int32_t m_Upper = kExprValueMax;
    int32_t m_Member = 0;
    int32_t m_System = 0;
    int32_t m_Object = eExprMy;
    int32_t m_Scope = 0;   // variables: scope and number
    int32_t m_Number = 0;
    bool m_Unknown = false;  // the check's value of a reference or of rand
};

// The decimal number at the start of the text, as the C library's atoi finds it, kept within
// the int32 range instead of overflowing.
int32_t ReadSaturatedDecimal(const char* text);
// True when the whole text is a decimal number, with an optional sign first.
bool IsDecimalText(const char* text);
// True when the decimal number at the start of the text lies within the int32 range.
bool FitsInt32(const char* text);
// The arithmetic of the operators other than "=", in 64 bits and kept within the int32 range;
// "/" and "%" truncate toward zero. The right value of "/" and "%" is not 0.
int32_t ApplyExprOperator(int32_t op, int32_t left, int32_t right);
// rand(first, second) from one draw: a second below the first is the same range turned round.
int32_t ExprRandom(int32_t first, int32_t second, int32_t draw);

class cExprLine {
public:
    cExprLine(cExprBinding& binding, const cExprSettings& settings) : m_Binding(binding), m_Settings(settings) {}

    // Runs the text up to its first zero byte. True when no error ended or marred it.
    bool Run(const std::string& text);
    // The value of the last run: 0 after an error.
    int32_t Value() const { return m_Value; }
    bool Failed() const { return m_Failed; }
    // Test seam: the characters the rewriting pass has scanned since this object was made.
    uint64_t Scanned() const { return m_Scanned; }

    int32_t Parse(const std::string& text, int depth);
    int32_t Eval(const std::string& text);

private:
    int32_t Fail(const std::string& message);
    bool InnerEnds() const { return m_Failed && m_Settings.m_InnerErrorsEndLine; }
    // Ends a token of the flat line; false when the line has ended.
    bool AddToken(const std::string& text, int32_t object, std::vector<cExprToken>& tokens);
    bool Apply(const std::string& line, std::vector<cExprToken>& tokens, size_t at, int32_t& result);

    cExprBinding& m_Binding;
    cExprSettings m_Settings;
    bool m_Failed = false;
    bool m_Unknown = false;  // the value Parse or Eval returned last is unknown
    int32_t m_Value = 0;
    uint64_t m_Scanned = 0;
};
