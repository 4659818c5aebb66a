#include "framework/PathEdit.h"

#include <string>

#include "framework/FileDialogs.h"
#include "framework/Path.h"

void ChooseFileInto(HWND owner, cBindings<cBoundStrEdit>& texts, uint16_t editId, const char* folder,
                    const char* title, const char* filter, const char* ext) {
    char file[MAX_PATH] = "";
    if (!OpenFileDialog(owner, file, sizeof file, folder, title, filter, ext, 0, nullptr)) return;
    std::string path = file;
    if (!MakeRelativePath(path)) return;
    cBoundStrEdit* edit = FindCtrl(texts, editId);
    if (!edit) return;
    // Bytes, whatever the edit counts: the record keeps at most capacity - 1 of them.
    if (path.size() + 1 > static_cast<size_t>(edit->m_Desc.capacity)) {
        MessageBeep(0);
        return;
    }
    SetDlgItemTextA(owner, editId, path.c_str());
}
