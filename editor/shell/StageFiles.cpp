#include "editor/shell/StageFiles.h"

#include <string>

#include "data/CommonPalette.h"
#include "data/Paths.h"
#include "data/PrjOption.h"
#include "data/Stage.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/StageDoc.h"
#include "framework/FileDialogs.h"
#include "framework/Format.h"
#include "framework/MessageBox.h"
#include "framework/Path.h"

namespace {

const char kOldVersionFolder[] = "data\\stg4\\old_ver\\";

bool SamePath(const std::string& a, const std::string& b) {
    char fullA[MAX_PATH], fullB[MAX_PATH];
    if (!GetFullPathNameA(a.c_str(), MAX_PATH, fullA, nullptr) || !GetFullPathNameA(b.c_str(), MAX_PATH, fullB, nullptr))
        return a == b;
    return lstrcmpiA(fullA, fullB) == 0;
}

// A file dialog's filter of one kind of file.
std::string Filter(const std::string& label, const std::string& pattern) { return label + '\0' + pattern + '\0' + '\0'; }

const char kStagePaletteFilter[] = "StagePaletteFile ( *.plt4 )";

bool WriteStage(const char* path) {
    if (ProjectStage().SaveFile(path)) return true;
    ErrorBox("%s の保存に失敗しました！", path);
    return false;
}

// An older version's file of the stage just saved elsewhere, by the project option: moved
// aside, kept or deleted. A move that fails keeps the file and says so; a file of the same name
// already aside is never replaced, since it may be another stage's.
void PutAwayOldFile(const std::string& old) {
    switch (ProjectOption().m_OldStageFiles) {
    case 0: {
        CreateDirectoryA("data\\stg4", nullptr);
        CreateDirectoryA(kOldVersionFolder, nullptr);
        const std::string to = kOldVersionFolder + FileNameOf(old);
        if (!MoveFileExA(old.c_str(), to.c_str(), MOVEFILE_COPY_ALLOWED))
            ErrorBox("%s の移動に失敗しました！", old.c_str());
        break;
    }
    case 2:
        if (!DeleteFileA(old.c_str())) ErrorBox("%s の削除に失敗しました！", old.c_str());
        break;
    }
}

}  // namespace

bool SaveStage(HWND owner, bool overwrite) {
    cStageDoc& doc = StageDoc();
    if (!ProjectStage().HasPlayer())
        AppMessageBox(owner, "まだプレイヤーが配置されていないので遊ぶことはできません！", "警告", MB_OK);
    const std::string ext = StageFileExt();
    if (overwrite && !doc.m_StagePath.empty() && FileExtOf(doc.m_StagePath) == ext) {
        if (!WriteStage(doc.m_StagePath.c_str())) return false;
        doc.m_StageModified = 0;
        return true;
    }
    const std::string old = doc.m_StagePath;
    char file[MAX_PATH] = "";
    if (overwrite && !old.empty()) CopyText(file, sizeof file, ChangeFileExt(old, ext).c_str());
    const std::string filter = Filter(Format("StageFile ( *.%s )", ext.c_str()), "*." + ext);
    if (!SaveFileDialog(owner, file, "data\\stg4\\", "保存先のファイルの選択", filter.c_str(), ext.c_str(), 1)) return false;
    if (!WriteStage(file)) return false;
    doc.m_StagePath = file;
    if (overwrite && !old.empty() && !SamePath(old, file)) PutAwayOldFile(old);
    doc.m_StageModified = 0;
    return true;
}

bool AskSaveStage(HWND owner) {
    cStageDoc& doc = StageDoc();
    if (!doc.m_StageOpen || !doc.m_StageModified) return true;
    const int answer = AppMessageBox(owner, "ステージが変更された可能性があります。\n保存しますか？", "保存確認", MB_YESNOCANCEL);
    if (answer == IDCANCEL) return false;
    // A save that was cancelled or failed keeps the stage.
    return answer != IDYES || SaveStage(owner, true);
}

bool AskSave(HWND owner) {
    if (!AskSaveStage(owner)) return false;
    if (!StageDoc().m_CommonModified) return true;
    const int answer = AppMessageBox(owner, "コモンパレットが変更された可能性があります。\n保存しますか？", "保存確認", MB_YESNOCANCEL);
    if (answer == IDCANCEL) return false;
    return answer != IDYES || SaveCommonPalette();
}

// The history goes only once the new stage is in: a file that cannot be read leaves the
// author's stage and its steps as they were.
bool OpenStage(HWND owner) {
    if (!AskSaveStage(owner)) return false;
    char file[MAX_PATH] = "";
    if (!OpenFileDialog(owner, file, sizeof file, "data\\stg4", "読み込むファイルの選択",
                        Filter("StageFile ( *.stg4_* )", "*.stg4_*").c_str(), "stg4_*", 0, nullptr))
        return false;
    if (!ProjectStage().LoadStageFile(file, false, cEdStage::ePumpDrain, cEdStage::eHeroOptional)) return false;
    UndoHistory().Clear();
    cStageDoc& doc = StageDoc();
    doc.m_StageOpen = 1;
    doc.m_StagePath = file;
    return true;
}

bool LoadStagePalette(HWND owner) {
    char file[MAX_PATH] = "";
    if (!OpenFileDialog(owner, file, sizeof file, "data\\plt4", "読み込むファイルの選択",
                        Filter(kStagePaletteFilter, "*.plt4").c_str(), "plt4", 0, nullptr))
        return false;
    if (!ProjectStage().LoadPalette(file, false)) {
        ErrorBox("%s の読み込みに失敗！", file);
        return false;
    }
    StageDoc().m_StageModified = 0;
    return true;
}

bool SaveStagePalette(HWND owner) {
    char file[MAX_PATH] = "";
    if (!SaveFileDialog(owner, file, "data\\plt4\\", "保存先のファイルの選択", Filter(kStagePaletteFilter, "*.plt4").c_str(),
                        "plt4", 1))
        return false;
    if (ProjectStage().SavePalette(file)) return true;
    ErrorBox("%s の保存に失敗しました！", file);
    return false;
}

bool SaveCommonPalette() {
    const char* path = g_PathTable[ePathCommonPalette];
    if (!ProjectCommonPalette().SaveFile(path)) {
        ErrorBox("%s の保存に失敗しました！", path);
        return false;
    }
    StageDoc().m_CommonModified = 0;
    return true;
}
