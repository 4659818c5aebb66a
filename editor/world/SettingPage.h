#pragma once
// A page of the settings sheets (system settings, project options): the stage settings pages'
// protocol (StagePage.h: bound straight to the global record, stored only when the sheet
// applies, an enabling step after every command) with text edits that take no more bytes than
// their fields hold, so nothing typed is cut unseen.
#include <string>

#include "editor/shell/StagePage.h"
#include "framework/StrEdit.h"

class cSettingPage : public cStagePage {
public:
    cSettingPage(UINT templateId, cChildWnd* parent, cWndGroup* group) : cStagePage(templateId, parent, group) {}

protected:
    void AttachPage() override;
    // A single-line edit of at most `limit` bytes (a path or a key: a buffer's length).
    void BindText(uint16_t id, std::string* text, int limit);
    // A single-line edit of at most `limit` characters, a double-byte one counting as one
    // (a text shown to the player, measured by the room it takes on the screen).
    void BindChars(uint16_t id, std::string* text, int limit);
    void BindCheck(uint16_t id, int32_t* flag);
    void BindCheck(uint16_t id, uint8_t* flag);
    void BindInt(uint16_t id, int32_t* value, int32_t minimum, int32_t maximum, uint16_t spin);
    // Enables a bound control of any kind by its id.
    void EnableCtrl(uint16_t id, bool enable);

    cBindings<cBoundStrEdit> m_Texts;
};
