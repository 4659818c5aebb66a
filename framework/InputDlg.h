#pragma once
// The small dialogs of the framework: a number input, a text input (both modal, opened at an
// anchor control or at a screen point, 1 for OK and 0 for Cancel or the close box), and a
// modeless message window that disables the group's other windows while it is open. Each
// entry function makes its dialog, runs it and deletes it; one instance of each lives at a
// time.
#include <string>

#include "framework/Buttons.h"
#include "framework/EditVal.h"
#include "framework/Page.h"
#include "framework/StrEdit.h"

// The frame of both input dialogs: title, one bound edit with its whole text selected, OK
// stores and ends with 1, Cancel ends with 0.
class cInputDlg : public cPage {
public:
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    cInputDlg(UINT templateId, cChildWnd* parent, cWndGroup* group, const char* title, cCtrl* anchor, int centre)
        : cPage(templateId, parent, eKindDialog, group, anchor, centre), m_Title(title ? title : "") {}
    cInputDlg(UINT templateId, cChildWnd* parent, cWndGroup* group, const char* title, int x, int y)
        : cPage(templateId, parent, eKindDialog, group, x, y), m_Title(title ? title : "") {}
    virtual void AttachEdit() = 0;

private:
    std::string m_Title;
};

class cInputValueDlg : public cInputDlg {
public:
    cInputValueDlg(cChildWnd* parent, cWndGroup* group, int32_t* value, int32_t minimum, int32_t maximum,
                   const char* title, cCtrl* anchor, int centre);
    cInputValueDlg(cChildWnd* parent, cWndGroup* group, int32_t* value, int32_t minimum, int32_t maximum,
                   const char* title, int x, int y);

private:
    void Bind(int32_t* value, int32_t minimum, int32_t maximum);
    void AttachEdit() override { AttachCtrls(m_Edits); }

    cBindings<cBoundEditVal<int32_t>> m_Edits;
};

class cInputStringDlg : public cInputDlg {
public:
    cInputStringDlg(cChildWnd* parent, cWndGroup* group, std::string* text, int limit, int dbcs, const char* title,
                    cCtrl* anchor, int centre);
    cInputStringDlg(cChildWnd* parent, cWndGroup* group, std::string* text, int limit, int dbcs, const char* title,
                    int x, int y);

private:
    void AttachEdit() override { AttachCtrls(m_Edits); }

    cBindings<cBoundStrEdit> m_Edits;
};

class cMessageWnd : public cPage {
public:
    cMessageWnd(cChildWnd* parent, cWndGroup* group, const char* message, const char* caption, cCtrl* anchor,
                int centre);
    cMessageWnd(cChildWnd* parent, cWndGroup* group, const char* message, const char* caption, int x, int y);
    // Closes the window, which enables the group again.
    ~cMessageWnd() override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void SetMessage(const char* message);

private:
    std::string m_Message;
    std::string m_Caption;
    cBindings<cBoundPlain> m_Text;
};

// The value is changed only by OK, to a value within minimum .. maximum. Texts of at most
// `limit` characters (dbcs set) or bytes.
int InputValue(cChildWnd* parent, cWndGroup* group, int32_t* value, int32_t minimum, int32_t maximum,
               const char* title, cCtrl* anchor, int centre);
int InputValueAt(cChildWnd* parent, cWndGroup* group, int32_t* value, int32_t minimum, int32_t maximum,
                 const char* title, int x, int y);
int InputString(cChildWnd* parent, cWndGroup* group, std::string* text, int limit, int dbcs, const char* title,
                cCtrl* anchor, int centre);
// Toolkit API: the text input that opens at a screen point, for pages without an anchor control.
int InputStringAt(cChildWnd* parent, cWndGroup* group, std::string* text, int limit, int dbcs, const char* title,
                  int x, int y);
// Toolkit API: a modeless message that stays open while work goes on (the group's other
// windows disabled), by a control or at a screen point, until CloseMessageWindow.
void ShowMessageWindow(cChildWnd* parent, cWndGroup* group, const char* message, const char* caption, cCtrl* anchor,
                       int centre);
// Toolkit API: ShowMessageWindow at a screen point.
void ShowMessageWindowAt(cChildWnd* parent, cWndGroup* group, const char* message, const char* caption, int x, int y);
// Toolkit API: closes the window ShowMessageWindow opened.
void CloseMessageWindow();
// Test seam: the open message window, null when none.
cMessageWnd* GetMessageWindow();
