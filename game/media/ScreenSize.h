#pragma once
// The game's screen: the window's client area, every scene and the play scene's layers are this size.
const int kScreenWidth = 640;
const int kScreenHeight = 480;
