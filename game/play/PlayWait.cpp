// The blocking wait: the play frame is held while the scene is drawn and player 0's buttons are
// read, until a number of frames has passed or button 1 is pressed.
#include "game/play/PlayScene.h"

void cPauseWait::Start(int32_t mode, int32_t frames, int32_t waitForKey, int32_t noDelay) {
    m_Mode = mode;
    m_Delay = frames > 0 && mode == 1 && !noDelay ? 10 : 0;
    m_WaitForKey = waitForKey;
    m_Frames = frames;
    m_Done = 0;
}

void cPlayScene::RunWait(int32_t mode, int32_t frames, int32_t waitForKey, int32_t noDelay) {
    m_Wait.Start(mode, frames, waitForKey, noDelay);
    Host().RunWait(*this);
    m_Wait.m_Done = 1;
}

bool cPlayScene::WaitPass(int16_t buttons) {
    const int16_t last = m_WaitButtons;
    m_WaitButtons = buttons;
    if (m_Wait.m_Done) return false;
    if (m_Wait.m_Delay > 0) {
        --m_Wait.m_Delay;
    } else if (!m_Wait.m_WaitForKey) {
        if (m_Wait.m_Frames < 0) {
            m_Wait.m_Done = 1;
            return false;
        }
        --m_Wait.m_Frames;
    } else if ((buttons & 1) && !(last & 1)) {
        Host().PlaySystemSound(1);
        m_ButtonSuppress = 1;
        m_Wait.m_Done = 1;
        return false;
    }
    Draw(0, 1, 0, 1);
    return true;
}
