// Every dialog template that editor.exe holds, created as the editor shows it, keeps each control
// inside its window and clear of the others. Templates are read from the program itself, so a
// template added later is walked too. Child templates are pages: the editor shows them only in
// property sheets, which size a page in the sheet's own font while the page lays out its controls
// in its template's font, so they are measured inside a sheet.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "tests/programs/ChildLayout.h"
#include "tests/support/BuildFolder.h"

namespace {

INT_PTR CALLBACK BareDialogProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

struct cTemplate {
    WORD id;
    const DLGTEMPLATE* data;
};

BOOL CALLBACK CollectTemplate(HMODULE module, LPCSTR, LPSTR name, LONG_PTR param) {
    if (!IS_INTRESOURCE(name)) return TRUE;
    HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(5));  // RT_DIALOG
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    if (loaded)
        reinterpret_cast<std::vector<cTemplate>*>(param)->push_back(
            {static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)), static_cast<const DLGTEMPLATE*>(LockResource(loaded))});
    return TRUE;
}

DWORD TemplateStyle(const DLGTEMPLATE* data) {
    const WORD* words = reinterpret_cast<const WORD*>(data);
    // An extended template starts with the words 1, 0xffff, then the help id and the extended style.
    if (words[1] == 0xffff) return *reinterpret_cast<const DWORD*>(words + 6);
    return data->style;
}

// The window whose children the editor shows from this template, made under `shown`; null when
// it cannot be made.
HWND ShowTemplate(HMODULE module, const DLGTEMPLATE* data, HWND* shown) {
    if (!(TemplateStyle(data) & WS_CHILD)) {
        *shown = CreateDialogIndirectParamA(module, data, nullptr, BareDialogProc, 0);
        return *shown;
    }
    PROPSHEETPAGEA psp = {};
    psp.dwSize = PROPSHEETPAGEA_V1_SIZE;
    psp.dwFlags = PSP_DLGINDIRECT;
    psp.hInstance = module;
    psp.pResource = data;
    psp.pfnDlgProc = BareDialogProc;
    HPROPSHEETPAGE page = CreatePropertySheetPageA(&psp);
    PROPSHEETHEADERA psh = {};
    psh.dwSize = PROPSHEETHEADERA_V1_SIZE;
    psh.dwFlags = PSH_MODELESS;
    psh.hInstance = module;
    psh.nPages = 1;
    psh.phpage = &page;
    HWND sheet = reinterpret_cast<HWND>(PropertySheetA(&psh));
    if (!sheet || sheet == reinterpret_cast<HWND>(-1)) return *shown = nullptr;
    *shown = sheet;
    return PropSheet_GetCurrentPageHwnd(sheet);
}

}  // namespace

TEST(EditorDialogs, EveryControlLiesInsideItsWindowAndClearOfTheOthers) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    std::string exe = BuildPath("editor.exe");
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, module) << exe;
    std::vector<cTemplate> templates;
    EnumResourceNamesA(module, MAKEINTRESOURCEA(5), CollectTemplate, reinterpret_cast<LONG_PTR>(&templates));
    EXPECT_LT(40u, templates.size()) << "the editor's dialogs were not all found";
    for (const cTemplate& t : templates) {
        HWND shown = nullptr;
        HWND wnd = ShowTemplate(module, t.data, &shown);
        EXPECT_NE(nullptr, wnd) << "template " << t.id << " cannot be shown";
        if (!wnd) continue;
        char caption[128] = "";
        GetWindowTextA(wnd, caption, sizeof caption);
        std::string found;
        for (const std::string& fault : ChildLayoutFaults(wnd)) found += "\n  " + fault;
        EXPECT_EQ("", found) << "template " << t.id << " \"" << caption << "\"";
        DestroyWindow(shown);
    }
    FreeLibrary(module);
}
