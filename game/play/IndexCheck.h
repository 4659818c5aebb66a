#pragma once
// The play scene keeps indexes of its characters that stay right only while everything that may
// move a character says so (cPlayScene::CharasMayMove): the block characters in list order with
// their strips across the stage, and the shots' strips of each force's characters. With the
// check on, every answer an index gives is compared with a walk of the whole list, and each
// difference goes to the check's handler. The game runs without it; the tests and the recorded
// replays turn it on.
typedef void (*cIndexFaultHandler)(const char* fault);

// A null handler turns the check off; the handler before is returned.
cIndexFaultHandler SetPlayIndexCheck(cIndexFaultHandler handler);
bool PlayIndexCheckOn();
void ReportIndexFault(const char* fault);
