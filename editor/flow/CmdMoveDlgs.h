#pragma once
// The edit dialogs of the wait, the seven movements, the direction change and the jump. The
// movements edit the command's movement record; every dialog sets its type's defaults when the
// command is new.
#include <string>
#include <vector>

#include "editor/flow/CmdPage.h"
#include "framework/MciPlayer.h"

class cEdMove;

// Wait and movement off: the time, its clone factor and the parallel run. Movement off
// (template 273) is a plain movement without its controls.
class cCmdWaitDlg : public cCmdPage {
public:
    cCmdWaitDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);
};

// What every movement dialog shares: a movement record to bind (a fresh one for a new command
// or one that has none), the time, speed and distance group, the inertia group and the
// animation, and the enabling those groups follow.
class cCmdMovePage : public cCmdPage {
public:
    cCmdMovePage(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

protected:
    void UpdateEnables() override;
    cEdMove& Move() const;
    void BindSpeedGroup();
    void BindInertia();
    void BindAnime();
    // The steps of UpdateEnables every movement with the common groups takes.
    void EnableSpeedGroup();
    void EnableInertia();

    std::vector<std::string> m_AnimeNames;
};

class cCmdLineMoveDlg : public cCmdMovePage {
public:
    cCmdLineMoveDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

protected:
    void UpdateEnables() override;
};

class cCmdGroundMoveDlg : public cCmdMovePage {
public:
    cCmdGroundMoveDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);
};

class cCmdCircleMoveDlg : public cCmdMovePage {
public:
    cCmdCircleMoveDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

protected:
    void UpdateEnables() override;
};

// Charge and homing: the target offsets; homing adds its strength and the jitter guard.
class cCmdChargeMoveDlg : public cCmdMovePage {
public:
    cCmdChargeMoveDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);
};

class cCmdHomingMoveDlg : public cCmdMovePage {
public:
    cCmdHomingMoveDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);
};

// Off-screen avoidance (template 262) and movement off (273): the class binds only what the
// template holds, so with 273 the movement fields keep their values.
class cCmdPlainMoveDlg : public cCmdMovePage {
public:
    cCmdPlainMoveDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

protected:
    void UpdateEnables() override;
};

// The sound combo of the direction change and the jump plays the chosen sound.
class cCmdSoundPage : public cCmdPage {
public:
    cCmdSoundPage(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);
    void OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    void BindAnimeAndSound();

    std::vector<std::string> m_AnimeNames;
    std::vector<std::string> m_SoundNames;
};

class cCmdDirectionDlg : public cCmdSoundPage {
public:
    cCmdDirectionDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);
};

class cCmdJumpDlg : public cCmdSoundPage {
public:
    cCmdJumpDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

protected:
    void UpdateEnables() override;
};
