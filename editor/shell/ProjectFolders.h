#pragma once
// The folders of a project folder that the editor makes at start-up when they are missing.

// Makes the editor's own folders and then every project folder, parents first; folders that
// exist are left alone. False when one of them could not be made.
bool CreateProjectFolders();
