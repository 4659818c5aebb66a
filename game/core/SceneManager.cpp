#include "game/core/SceneManager.h"

#include <new>

namespace {

bool IsSceneType(int id) { return id >= 0 && id < kSceneTypes; }

}  // namespace

void cSceneManager::SetCreator(int id, SceneCreator create) {
    if (IsSceneType(id)) m_Creators[id] = create;
}

void cSceneManager::Switch(int id) {
    if (!m_bKeepScenes) {
        for (int other : {eSceneModeMenu, eSceneSaveSlots, eSceneWorldMap, eSceneChallenge, eScenePlay, eSceneOption}) {
            if (other == id || !m_Scenes[other]) continue;
            cScene* scene = m_Scenes[other];
            m_Scenes[other] = nullptr;
            delete scene;
        }
    }
    if (!IsSceneType(id) || m_Scenes[id] || !m_Creators[id]) return;
    try {
        m_Scenes[id] = m_Creators[id]();
    } catch (const std::bad_alloc&) {
        m_Scenes[id] = nullptr;
    }
}

void cSceneManager::DeleteScenes() {
    for (int id : {eSceneModeMenu, eSceneWorldMap, eSceneSaveSlots, eSceneChallenge, eSceneOption, eScenePlay}) {
        cScene* scene = m_Scenes[id];
        m_Scenes[id] = nullptr;
        delete scene;
    }
}

cScene* cSceneManager::Scene(int id) const { return IsSceneType(id) ? m_Scenes[id] : nullptr; }

int cSceneManager::RunScene() {
    cScene* scene = Scene(m_nScene);
    return scene ? scene->Frame() : 0;
}

cSceneManager& SceneManager() {
    static cSceneManager manager;
    return manager;
}
