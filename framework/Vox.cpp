#include "framework/Vox.h"

#include <new>
#include <string>

#include "framework/MessageBox.h"
#include "framework/TestSeams.h"

namespace {
const char* const kDefaultLibrary = "Vox.dll";
std::string g_libraryName = kDefaultLibrary;
}  // namespace

void SetVoxLibraryName(const char* name) { g_libraryName = name ? name : kDefaultLibrary; }

bool cVox::Init() {
    Release();
    m_hLibrary = LoadLibraryA(g_libraryName.c_str());
    if (m_hLibrary) m_pCreateVox = reinterpret_cast<CreateVoxProc>(reinterpret_cast<void*>(GetProcAddress(m_hLibrary, "CreateVox")));
    if (!m_pCreateVox) {
        if (m_hLibrary) FreeLibrary(m_hLibrary);
        m_hLibrary = nullptr;
        ErrorMessage("oggの初期化に失敗！");
        return false;
    }
    return true;
}

bool cVox::CreateVoices(int count) {
    ReleaseVoices();
    if (!m_pCreateVox || count < 0) return false;
    try {
        m_Voices.reserve(count);
    } catch (const std::bad_alloc&) {
        OutOfMemory();
        return false;
    }
    for (int i = 0; i < count; ++i) {
        cVoxVoice* voice = m_pCreateVox();
        if (!voice) {
            OutOfMemory();
            return false;
        }
        m_Voices.push_back(voice);
    }
    return true;
}

cVoxVoice* cVox::GetVoice(int voice) const {
    return voice >= 0 && static_cast<size_t>(voice) < m_Voices.size() ? m_Voices[voice] : nullptr;
}

bool cVox::Play(int voice, const char* file, int loopCount) {
    cVoxVoice* target = GetVoice(voice);
    if (!file || !file[0] || !target) return false;
    Stop();
    target->Close();
    if (!target->Load(file)) {
        m_nCurrent = -1;
        return false;
    }
    target->SetLoop(loopCount);
    target->Play();
    m_nCurrent = voice;
    return true;
}

void cVox::Stop() {
    if (cVoxVoice* voice = GetVoice(m_nCurrent)) voice->Stop();
    m_nCurrent = -1;
}

void cVox::ReleaseVoices() {
    for (cVoxVoice* voice : m_Voices) voice->Release();
    m_Voices.clear();
    m_nCurrent = -1;
}

void cVox::Release() {
    ReleaseVoices();
    if (m_hLibrary) FreeLibrary(m_hLibrary);
    m_hLibrary = nullptr;
    m_pCreateVox = nullptr;
}
