// The Picture table's pictures that flows show over a stage.
#include "data/ProjectDatabase.h"
#include "framework/Format.h"
#include "game/media/Bitmap.h"
#include "game/media/Display.h"
#include "game/play/PlayScene.h"

std::shared_ptr<cSurface> cPlayScene::StagePicture(int32_t number) {
    const auto known = m_StagePictures.find(number);
    if (known != m_StagePictures.end()) return known->second;
    const auto& table = ProjectDatabase().m_Pictures;
    std::shared_ptr<cSurface> picture;
    if (number > 0 && static_cast<size_t>(number) < table.size()) {
        const std::string& file = table[number].m_File;
        picture = MakeSharedSurface();
        if (DDLoadBitmap(*picture, file.c_str(), 1, Display().nBpp, kMemoryAny, 0, 0, 0) != 0) {
            picture.reset();
            Host().ReportFailure(Format("%s 読み込み失敗！", file.c_str()).c_str());
        }
    }
    m_StagePictures[number] = picture;
    return picture;
}
