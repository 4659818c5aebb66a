#include "editor/world/PrjOptionPages.h"

#include <vector>

#include "data/ElementNames.h"
#include "data/PrjOption.h"
#include "editor/palette/DataWnd.h"
#include "editor/palette/DataWndOpen.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/EditorState.h"
#include "editor/shell/StageDoc.h"
#include "editor/world/OptionIds.h"
#include "editor/world/SettingSheet.h"
#include "framework/PathEdit.h"
#include "framework/PropSheet.h"

namespace {

const int kGamePathLimit = 259;

// The check boxes of the inheritance page, read in binding order: for each kind (block, chara,
// item) its "ステージ", "コモン→配置" and "ステージ→配置" columns, one id per field group, then
// the end mark.
const uint16_t kEndMark = 0xffff;
constexpr uint16_t kInheritIds[] = {
    // Blocks.
    1257, 1258, 1259, 1260, 1261, 1262, 1263, 1264, 1265, 11301, 1366,
    1307, 1308, 1309, 1310, 1311, 1312, 1313, 1314, 1315, 1328, 1367,
    1188, 1189, 1190, 1191, 1192, 1193, 1194, 1195, 1196, 11300, 1365,
    // Charas.
    1268, 1269, 1270, 1271, 1272, 1273, 1274, 1275, 1276, 1277, 1278, 1279, 1280, 1281, 1282, 1283, 1284,
    1285, 1286, 1287, 1288, 1289, 1290, 1291, 1292, 1293, 1294, 1295, 1296, 1297, 1298, 1299, 1301, 1303,
    1330, 1331, 1332, 1333, 1334, 1335, 1336, 1337, 1338, 1339, 1340, 1341, 1342, 1343, 1344, 1345, 1346,
    1347, 1348, 1349, 1316, 1317, 1318, 1319, 1320, 1321, 1322, 1323, 1324, 1325, 1326, 1327, 1329, 1370,
    1197, 1198, 1199, 1200, 1201, 1202, 1203, 1204, 1205, 1206, 1207, 1208, 1209, 1210, 1211, 1212, 1213,
    1214, 1215, 1216, 1217, 1218, 1219, 1220, 1221, 1222, 1223, 1224, 1225, 1226, 1227, 1228, 1300, 1302,
    // Items.
    1229, 1243, 1244, 1245, 1246, 1247, 1248, 1249, 1250, 1251, 1252, 1253, 1363,
    1350, 1351, 1352, 1353, 1354, 1355, 1356, 1357, 1358, 1359, 1360, 1361, 1364,
    1242, 1231, 1232, 1233, 1234, 1235, 1236, 1237, 1238, 1239, 1240, 1241, 1362,
    kEndMark};
constexpr int kInheritGroups[eElementKinds] = {cEdBlock::kGroups, cEdChara::kGroups, cEdItem::kGroups};
constexpr int kInheritChecks = eSituations * (kInheritGroups[0] + kInheritGroups[1] + kInheritGroups[2]);
static_assert(sizeof kInheritIds / sizeof kInheritIds[0] == kInheritChecks + 1 && kInheritChecks == 174,
              "one check box per field group, occasion and kind");
static_assert(kInheritIds[kInheritChecks] == kEndMark, "the id table ends with its end mark");

// The palette combos of each kind, by occasion.
const uint16_t kInheritCombos[eElementKinds][eSituations] = {
    {IDC_OI_BLOCK_STAGE, IDC_OI_BLOCK_COMMON_PLACE, IDC_OI_BLOCK_STAGE_PLACE},
    {IDC_OI_CHARA_STAGE, IDC_OI_CHARA_COMMON_PLACE, IDC_OI_CHARA_STAGE_PLACE},
    {IDC_OI_ITEM_STAGE, IDC_OI_ITEM_COMMON_PLACE, IDC_OI_ITEM_STAGE_PLACE}};
// "ステージ→配置" offers the stage palette: its second row stores 2.
const std::vector<int32_t> kStagePlaceValues = {0, 2};

const uint16_t kDefaultButtons[3] = {IDC_OG_DEF_BLOCK, IDC_OG_DEF_CHARA, IDC_OG_DEF_ITEM};

cSettingSheet* OptionSheet() {
    cEditWnd* main = MainEditWnd();
    return main ? dynamic_cast<cSettingSheet*>(main->m_lpPrjOptionSheet) : nullptr;
}

}  // namespace

cGeneralPage::cGeneralPage(cChildWnd* parent, cWndGroup* group) : cSettingPage(IDD_OPTION_GENERAL, parent, group) {
    cPrjOption& option = ProjectOption();
    m_Combos.push_back(Combo(IDC_OG_OLD_STAGES, &option.m_OldStageFiles, OldStageFileNames, 0));
    BindCheck(IDC_OG_AUTO_GAME, &option.m_AutoGamePath);
    BindText(IDC_OG_GAME_PATH, &option.m_GamePath, kGamePathLimit);
    m_Buttons.push_back(Button(IDC_OG_GAME_BROWSE));
    for (uint16_t id : kDefaultButtons) m_Buttons.push_back(Button(id));
}

cGeneralPage::~cGeneralPage() {
    // A data window still open goes with the page, without giving the editor back twice.
    for (cPropSheet*& wnd : m_lpDataWnd) {
        if (wnd) static_cast<cDataWnd*>(wnd)->SkipReturn();
        SafeDelete(wnd);
    }
}

void cGeneralPage::UpdateEnables() { EnableCtrl(IDC_OG_GAME_PATH, !IsChecked(IDC_OG_AUTO_GAME)); }

void cGeneralPage::PageCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    if (id == IDC_OG_GAME_BROWSE)
        ChooseFileInto(m_hWnd, m_Texts, IDC_OG_GAME_PATH, ".\\", "ゲームプログラムの選択",
                       "ExeFile ( *.exe )\0*.exe\0", "exe");
    for (int kind = 0; kind < 3; ++kind)
        if (id == kDefaultButtons[kind]) OpenDefault(kind);
}

// The data window edits the default record in place; the options save it on their next Apply.
void cGeneralPage::OpenDefault(int kind) {
    cStageDoc& doc = StageDoc();
    cPrjOption& option = ProjectOption();
    if (kind == eKindBlock)
        doc.m_lpEditBlock = &option.m_DefBlock;
    else if (kind == eKindChara)
        doc.m_lpEditChara = &option.m_DefChara;
    else
        doc.m_lpEditItem = &option.m_DefItem;
    doc.m_EditSource = eSourceDefault;
    OpenDataWndInSlot(kind, this, &m_lpDataWnd[kind], eSourceDefault, 0);
}

void cGeneralPage::OnApply() {
    if (cSettingSheet* sheet = OptionSheet()) sheet->Apply();
}

void cGeneralPage::OnWindowGone() {
    if (cEditWnd* main = MainEditWnd()) main->ReturnFromProjectOptions();
}

cInheritDefPage::cInheritDefPage(cChildWnd* parent, cWndGroup* group) : cSettingPage(IDD_OPTION_INHERIT, parent, group) {
    cPrjOption& option = ProjectOption();
    const uint16_t* id = kInheritIds;
    for (int kind = 0; kind < eElementKinds; ++kind)
        for (int situation = 0; situation < eSituations; ++situation) {
            cInheritFlags& flags = option.m_InheritFlags[situation][kind];
            for (int group = 0; group < kInheritGroups[kind]; ++group, ++id)
                if (group < static_cast<int>(flags.size())) BindCheck(*id, &flags[group]);
        }
    for (int kind = 0; kind < eElementKinds; ++kind)
        for (int situation = 0; situation < eSituations; ++situation) {
            int32_t* source = &option.m_InheritSrc[situation][kind];
            const uint16_t combo = kInheritCombos[kind][situation];
            cBoundCombo<int32_t> binding;
            if (situation == eSituationStagePlace)
                binding.m_Desc = cComboDesc<int32_t>(combo, source, InheritStageNames, 0, &kStagePlaceValues);
            else
                binding.m_Desc = cComboDesc<int32_t>(combo, source, InheritCommonNames, 0);
            m_Combos.push_back(binding);
        }
}
