#pragma once
// Resource ids of the item flow editor (its command picker) and of the item command "フローの変更".
// The picker's buttons are those of the chara command picker (FlowCmdIds.h).

#define IDD_ITEM_FLOW 216
#define IDD_CMD_FLOW_CHANGE 217

// The page base's picture box; the picker shows none.
#define IDC_ITEM_FLOW_PICTURE 1006

// "フローの変更": the operation, the flow it names, and the button that edits the command's flows.
#define IDC_FLOWCHG_OP 1178
#define IDC_FLOWCHG_ID 1096
#define IDC_FLOWCHG_FLOWS 1179
