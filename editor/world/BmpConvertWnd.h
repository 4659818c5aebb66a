#pragma once
// The bitmap conversion tool "ビットマップ変換ツール": a list of input files (from the file dialog,
// or dropped on the window as files and folders), the conversion settings (BmpConvert.h, kept
// for the editor's run) and "変換！！", which converts every file of the list.
#include <string>

#include "framework/Binding.h"
#include "framework/Buttons.h"
#include "framework/DataList.h"
#include "framework/EditVal.h"
#include "framework/Page.h"
#include "framework/Path.h"
#include "framework/StrEdit.h"

class cEditWnd;

class cBmpConvertWnd : public cPage {
public:
    static constexpr int kMaxFiles = 1000;

    cBmpConvertWnd(cChildWnd* parent, cWndGroup* group);

    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

    // Adds a path unless the list holds it already or is full; true when it was added.
    bool AddFile(const std::string& path);
    // Converts every file of the list and says how it went; the number of files that failed
    // (-1 when nothing was converted: an empty list, or no output folder to write to).
    int ConvertAll();
    // Test seam: the files the list holds.
    const cStringList& Files() const { return m_Files; }

private:
    void UpdateEnables();
    void OnDropFiles(HDROP drop);
    void ChooseFiles();
    void ChooseFolder();
    void RefillList();
    // Where the converted input goes; empty when there is nowhere to write it.
    std::string OutputPath(const std::string& input) const;

    cStringList m_Files;
    cBindings<cBoundCheck> m_Checks;
    cBindings<cBoundEditVal<int32_t>> m_Ints;
    cBindings<cBoundStrEdit> m_Texts;
    cBindings<cBoundDataList<std::string>> m_List;
    int m_Busy = 0;
};

// The command "ビットマップ変換ツール(&B)": the tool runs modally with the editor's other windows
// hidden and disabled.
void OpenBitmapTool(cEditWnd* main);
