#include "game/core/GameGlobals.h"

#include <algorithm>

cThread& GameThread() {
    static cThread thread;
    return thread;
}

cThread& PauseThread() {
    static cThread thread;
    return thread;
}

cThread& RankViewThread() {
    static cThread thread;
    return thread;
}

cBgmPlayer& BgmPlayer() {
    static cBgmPlayer player;
    return player;
}

cSurface* SystemSurfaces() {
    static cSurface surfaces[kPictureTableRows];
    return surfaces;
}

cPictureRow* SystemPictures() {
    static cPictureRow* rows = [] {
        static cPictureRow table[kPictureTableRows];
        std::copy(PictureTable, PictureTable + kPictureTableRows, table);
        return table;
    }();
    return rows;
}

cFont* GameFonts() {
    static cFont fonts[kTextStyleCount];
    return fonts;
}

cSurface* FontSurfaces() {
    static cSurface strips[kTextStyleCount];
    return strips;
}

cSoundVector& SoundSlots() {
    static cSoundVector slots;
    return slots;
}

cSoundTable& SoundSlotTable() {
    static cSoundTable table;
    return table;
}
