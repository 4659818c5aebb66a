#pragma once
// The project-wide options (data\PrjOption.dat): how new palette entries and placements inherit
// from the palettes, the templates of new blocks, charas and items, how test play finds the game
// program, and what becomes of stage files of an older version.
#include <cstdint>
#include <string>

#include "data/Block.h"
#include "data/Chara.h"
#include "data/EditConfig.h"
#include "data/Item.h"

// Where an inheriting entry is made, in member order.
enum eInheritSituation {
    eSituationStage,        // "ステージ": a stage palette entry
    eSituationCommonPlace,  // "コモン→配置": a placement from the common palette
    eSituationStagePlace,   // "ステージ→配置": a placement from the stage palette
    eSituations
};

enum eElementKind { eKindBlock, eKindChara, eKindItem, eElementKinds };

// Texts of the choices for older stage files, closed by an empty string.
extern const char* const OldStageFileNames[];

class cPrjOption : public cRecord {
public:
    cPrjOption();
    void Init();
    void RegisterFields(uint32_t version) override;
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cPrjOption)

    cEdBlock m_DefBlock;
    cEdChara m_DefChara;
    cEdItem m_DefItem;
    // "継承パレットのデフォルト": 0 none, 1 the common palette, 2 the stage palette.
    int32_t m_InheritSrc[eSituations][eElementKinds];
    // "継承パラメーターのデフォルト": one flag per attribute group of the kind.
    cInheritFlags m_InheritFlags[eSituations][eElementKinds];
    int32_t m_AutoGamePath;  // "自動で取得"
    std::string m_GamePath;
    int32_t m_OldStageFiles;  // a row of OldStageFileNames

private:
    // Values of older files that are read and dropped.
    int32_t m_ScratchValue;
    std::string m_ScratchText[3];
};
