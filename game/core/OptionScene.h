#pragma once
// The player's options: palette variation, music, sound-effect volume and how results enter the
// rankings, changed with the menu keys; palette and volume are heard and seen at once, and the
// options are written to user_data\Option.dat when the scene closes.
#include <string>
#include <vector>

#include "game/core/Scene.h"
#include "game/media/Surface.h"

class cSystemData;
class cOptionData;

// Rows of the system settings' option menu.
enum OptionKind { eOptionPalette, eOptionMusic, eOptionVolume, eOptionRankMode, eOptionRankName, eOptionBack,
                  kOptionKinds };

// The shown rows in order; with every row hidden, the palette row alone.
std::vector<int> ListedOptions(const cSystemData& system);
// The value text of a row: a number, "ON"/"OFF", the entry mode's caption, the name; none for
// the way back.
std::string OptionValueText(int kind, const cOptionData& options);
// Decimal text of value: digits 0 as many as needed, else at least that many (zero-padded);
// plus puts "+" before a positive value.
std::string NumberToString(int value, int digits, bool plus);

class cOptionScene : public cScene {
public:
    enum eState { eFadeIn, eMain, eFadeOut };
    enum eSubState { eStart, eChoosing, eEditing };

    cOptionScene();
    ~cOptionScene() override;

    int Frame() override { return MenuFrame(kMenuButtons2); }
    void Init() override;
    int FadeIn() override;
    int FadeOut() override;
    int Main();

private:
    int Choose();
    int Edit();
    // The chosen row's value after a change: the palette and the volume take effect at once.
    void Apply();
    void DrawPanel();
    void DrawBackground();

    std::vector<int> m_Items;
    int m_nKind = 0;
    int m_nSaved = 0;
    int* m_lpValue = nullptr;
    int m_nMin = 0;
    int m_nMax = 0;
    cSurface m_Panel;
};

// Registers the option scene with the scene manager.
void InstallOptionScene();
// Writes the options; a file that cannot be written is reported and the game goes on.
bool SaveOptions();
