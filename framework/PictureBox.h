#pragma once
// A static control used as a drawing surface: the page draws on an off-screen bitmap of the
// box's size and copies it to the control's window. The control paints from that bitmap itself,
// so a preview survives being covered, uncovered or printed.
#include "framework/Binding.h"
#include "framework/Dib.h"

struct cPictureBoxDesc {
    uint32_t id = 0;
    int width = 0;  // both 0: the size the dialog gives the control
    int height = 0;
    void Set(uint16_t ctrlId, int w, int h) {
        id = ctrlId;
        width = w;
        height = h;
    }
};

class cPictureBox : public cCtrl {
public:
    cPictureBox() : cCtrl(eCtrlPictureBox) {}
    // Bindings are copied only before they are attached: a copy has no bitmaps of its own yet.
    cPictureBox(const cPictureBox& other) : cCtrl(other) {}
    cPictureBox& operator=(const cPictureBox&) = delete;
    ~cPictureBox() override;

    void Attach(cPage* page, const cPictureBoxDesc& desc);
    // The off-screen bitmap the page draws on, and its copy to the window.
    cDib& Canvas() { return m_Canvas; }
    void Present();

private:
    void ReleaseWindowDC();
    void Unsubclass();
    void PaintTo(HDC dc);
    static LRESULT CALLBACK SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HDC m_hWindowDC = nullptr;
    WNDPROC m_PrevProc = nullptr;
    cDib m_Canvas;
};

using cBoundPictureBox = cBound<cPictureBox, cPictureBoxDesc>;
