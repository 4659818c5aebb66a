#pragma once
// The chara group window (template 271): one check button a group.
#define IDD_CHARA_GROUP 271
#define IDC_GROUP_0 1453
#define IDC_GROUP_1 1413    // groups 1 .. 40: 1413 .. 1452
#define IDC_GROUP_41 1454   // groups 41 .. 59: 1454 .. 1472
