#pragma once
// Commands that switch a character's state flags, give the player an item, and change a
// character's graphic or animation. They take the owner and the command itself, so the item
// runner can run them too.
class cActor;
class cFlowCmd;

// "ステータスの操作2" (whose: self, target or the game; which; value): one of the six state flags
// of the character, or a scroll direction's automatic scroll. A value outside the flag's range
// changes nothing; "飛行" works on the player only; "消滅" takes the player's life.
void ExecStatusOperation2(cActor& owner, const cFlowCmd& command);
// "アイテムの取得" (palette 0 common or 1 stage, item number): the item's commands run for the
// first player whoever the owner is; their result becomes the scene's command result unless it is
// 0. Another palette or a number the palette lacks does nothing.
void ExecItemAcquire(cActor& owner, const cFlowCmd& command);
// "グラフィックの変更" (graphic kind, number, offset).
void ExecGraphicChange(cActor& owner, const cFlowCmd& command);
// "基本アニメセットの変更" (anime set).
void ExecAnimeSetChange(cActor& owner, const cFlowCmd& command);
// "アニメの実行" (Anime table row): runs over the character's own animation, tagged with the
// running flow so that the flow's end takes it away.
void ExecAnime(cActor& owner, const cFlowCmd& command);
