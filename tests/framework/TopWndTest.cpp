// Top-level framework windows.
#include <gtest/gtest.h>

#include "framework/TopWnd.h"

namespace {

class cTestTop : public cTopWnd {
public:
    void OnCreate(WPARAM, LPARAM lParam) override {
        m_Created = reinterpret_cast<CREATESTRUCTA*>(lParam)->lpszName;
        m_HandleAtCreate = GetHwnd();
    }
    void OnCommand(WPARAM wParam, LPARAM) override { m_Commands.push_back(LOWORD(wParam)); }
    std::string m_Created;
    HWND m_HandleAtCreate = nullptr;
    std::vector<int> m_Commands;
};

}  // namespace

TEST(TopWnd, ClassWindowReachesItsObject) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = cTopWnd::StaticWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KitTopTest";
    ASSERT_NE(0, RegisterClassA(&wc));
    cTestTop top;
    HWND wnd = CreateWindowExA(0, "KitTopTest", "トップ", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                               wc.hInstance, &top);
    ASSERT_NE(nullptr, wnd);
    EXPECT_EQ("トップ", top.m_Created);
    EXPECT_EQ(wnd, top.m_HandleAtCreate);
    SendMessageA(wnd, WM_COMMAND, 4321, 0);
    EXPECT_EQ(std::vector<int>{4321}, top.m_Commands);
    DestroyWindow(wnd);
    EXPECT_EQ(nullptr, top.GetHwnd());
}
