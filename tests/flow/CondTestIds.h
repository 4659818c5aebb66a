#pragma once
// Templates of the test pages that own a condition list.
#define IDD_TEST_COND_HOST 9001
#define IDD_TEST_COND_OWNER 9002
#define IDD_TEST_FLOW_COND_OWNER 9003
