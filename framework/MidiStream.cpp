#include "framework/MidiStream.h"

#include <cstring>

#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "framework/TestSeams.h"

namespace {

// Without any MIDI output the open can only fail, and a failed midiStreamOpen has been seen
// under Wine to leave winmm's list of devices damaged, so that a later open in the same process
// crashes inside it: the device is not asked then.
MMRESULT WINAPI OpenStream(LPHMIDISTRM stream, LPUINT device, DWORD count, DWORD_PTR callback, DWORD_PTR instance,
                           DWORD flags) {
    if (midiOutGetNumDevs() == 0) return MIDIERR_NODEVICE;
    return midiStreamOpen(stream, device, count, callback, instance, flags);
}

const cMidiStreamApi kWinMM = {OpenStream,       midiStreamProperty,   midiStreamOut,          midiStreamRestart,
                               midiStreamPause,  midiStreamStop,       midiOutReset,           midiOutPrepareHeader,
                               midiOutUnprepareHeader, midiStreamClose};
const cMidiStreamApi* g_api = &kWinMM;

// Posted to the callback thread until its message queue exists.
const UINT kThreadReady = 0x8000;
const DWORD kShortEventSize = 12;

class cLockHold {
public:
    explicit cLockHold(CRITICAL_SECTION& lock) : m_lock(lock) { EnterCriticalSection(&m_lock); }
    ~cLockHold() { LeaveCriticalSection(&m_lock); }
    cLockHold(const cLockHold&) = delete;
    cLockHold& operator=(const cLockHold&) = delete;

private:
    CRITICAL_SECTION& m_lock;
};

HMIDIOUT AsOut(HMIDISTRM stream) { return reinterpret_cast<HMIDIOUT>(stream); }

// Reads a variable-length quantity of at most four bytes; false past the end.
bool ReadQuantity(const std::vector<uint8_t>& image, size_t& pos, DWORD& value) {
    value = 0;
    for (int i = 0; i < 4 && pos < image.size(); ++i) {
        uint8_t b = image[pos++];
        value = value << 7 | (b & 0x7F);
        if (!(b & 0x80)) return true;
    }
    return false;
}

// One event of the image as the stream buffer takes it.
struct cImageEvent {
    enum eKind { kShort, kLong, kSkipped } kind;
    DWORD delta;
    DWORD word;           // the event word of the buffer entry
    DWORD size;           // bytes the entry takes in the buffer
    uint8_t status;
    const uint8_t* data;  // long events: the data after the length quantity
    size_t next;          // image position after the event
};

// Reads the event at pos; false when the image is damaged there.
bool ReadImageEvent(const std::vector<uint8_t>& image, size_t pos, cImageEvent& e) {
    DWORD size = 0;
    if (!ReadQuantity(image, pos, e.delta) || pos >= image.size()) return false;
    uint8_t status = image[pos++];
    e.status = status;
    e.kind = cImageEvent::kShort;
    e.size = kShortEventSize;
    e.data = nullptr;
    if (status == 0xF0 || status == 0xF7) {
        if (!ReadQuantity(image, pos, size) || size > image.size() - pos || size >= 0xFFFFFF) return false;
        // The status byte and the data, without the length quantity, padded to whole words.
        e.kind = cImageEvent::kLong;
        e.word = MEVT_F_LONG | (size + 1);
        e.size = kShortEventSize + ((size + 1 + 3) & ~3u);
        e.data = image.data() + pos;
    } else if (status == 0xFF) {
        if (pos >= image.size()) return false;
        uint8_t type = image[pos++];
        if (!ReadQuantity(image, pos, size) || size > image.size() - pos) return false;
        if (type == 0x2F)
            e.word = kMidiEndMarker;
        else if (type == 0x51 && size == 3)
            e.word = DWORD(MEVT_TEMPO) << 24 | image[pos] << 16 | image[pos + 1] << 8 | image[pos + 2];
        else
            e.kind = cImageEvent::kSkipped;
    } else {
        size = status >= 0xC0 && status < 0xE0 ? 1 : 2;
        if (status < 0x80 || size > image.size() - pos) return false;
        e.word = status | image[pos] << 8 | (size == 2 ? image[pos + 1] << 16 : 0);
    }
    e.next = pos + size;
    return true;
}

}  // namespace

void SetMidiStreamApi(const cMidiStreamApi* api) { g_api = api ? api : &kWinMM; }

int cMidiStream::FillEvents(const std::vector<uint8_t>& image, cMidiCursor& cursor, MIDIHDR& header) {
    char* buffer = header.lpData;
    memset(buffer, 0, kMidiBufferSize);
    DWORD used = 0;
    long lastEvent = -1;
    bool ended = false;
    int dropped = 0;
    while (cursor.position < image.size() && !ended) {
        cImageEvent e;
        if (!ReadImageEvent(image, cursor.position, e)) {
            cursor.position = image.size();  // a damaged image ends here, not past its end
            break;
        }
        DWORD delta = cursor.carriedDelta + e.delta;
        if (e.kind == cImageEvent::kSkipped || e.size > kMidiBufferSize) {
            // Meta events send nothing; a SysEx too large for any buffer is dropped so that the
            // song goes on. The next event sent keeps their time.
            if (e.kind != cImageEvent::kSkipped) ++dropped;
            cursor.carriedDelta = delta;
            cursor.position = e.next;
            continue;
        }
        if (used + e.size > kMidiBufferSize) break;  // opens the next buffer
        DWORD words[3] = {delta, 0, e.word};
        memcpy(buffer + used, words, sizeof words);
        if (e.kind == cImageEvent::kLong) {
            buffer[used + kShortEventSize] = char(e.status);
            memcpy(buffer + used + kShortEventSize + 1, e.data, (e.word & 0xFFFFFF) - 1);
        }
        lastEvent = long(used);
        used += e.size;
        ended = e.word == kMidiEndMarker;
        cursor.carriedDelta = 0;
        cursor.position = e.next;
    }
    if (!ended && lastEvent >= 0) {
        DWORD* word = reinterpret_cast<DWORD*>(buffer + lastEvent + 8);
        *word |= MEVT_F_CALLBACK;
    }
    header.dwBufferLength = kMidiBufferSize;
    header.dwBytesRecorded = used;
    header.dwFlags = 0;
    header.lpNext = nullptr;
    header.reserved = 0;
    header.dwOffset = 0;
    return dropped;
}

cMidiStream::cMidiStream(const char* file) : cMidiFile(file) {
    InitializeCriticalSection(&m_Lock);
    if (HasImage()) Open();
}

cMidiStream::~cMidiStream() {
    {
        cLockHold hold(m_Lock);
        if (m_hStream) {
            MMRESULT r = g_api->Reset(AsOut(m_hStream));
            if (r) ReportAndLog("Midi %s Reset %s", GetFileName().c_str(), GetErrorText(r));
            for (MIDIHDR& header : m_Header) {
                if (!(header.dwFlags & MHDR_PREPARED)) continue;
                r = g_api->Unprepare(AsOut(m_hStream), &header, sizeof header);
                if (r) ReportAndLog("Midi %s Unprepare %s", GetFileName().c_str(), GetErrorText(r));
            }
            r = g_api->Close(m_hStream);
            if (r) ReportAndLog("Midi %s Close %s", GetFileName().c_str(), GetErrorText(r));
            m_hStream = nullptr;
        }
    }
    EndCallbackThread();
    DeleteCriticalSection(&m_Lock);
}

const char* cMidiStream::GetErrorText(MMRESULT code) {
    if (code == 0) return m_szErrorText;
    // MCI knows only its own codes; the stream's codes are MIDI and system codes.
    if (!mciGetErrorStringA(code, m_szErrorText, sizeof m_szErrorText) &&
        midiOutGetErrorTextA(code, m_szErrorText, sizeof m_szErrorText) != MMSYSERR_NOERROR)
        FormatInto(m_szErrorText, sizeof m_szErrorText, "error %u", code);
    return m_szErrorText;
}

bool cMidiStream::StartCallbackThread() {
    m_hThread = CreateThread(nullptr, 0, CallbackThread, this, 0, &m_dwThreadId);
    if (!m_hThread) return false;
    // The thread can take messages once its queue exists; it ignores this one.
    DWORD start = GetTickCount();
    while (!PostThreadMessageA(m_dwThreadId, kThreadReady, 0, 0)) {
        if (GetTickCount() - start >= kThreadWaitMs) return false;
        Sleep(1);
    }
    return true;
}

void cMidiStream::EndCallbackThread() {
    if (!m_hThread) return;
    DWORD start = GetTickCount();
    do {
        PostThreadMessageA(m_dwThreadId, WM_QUIT, 0, 0);
        if (WaitForSingleObject(m_hThread, 1) != WAIT_TIMEOUT) break;
    } while (GetTickCount() - start < kThreadWaitMs);
    if (WaitForSingleObject(m_hThread, 0) == WAIT_TIMEOUT)
        ReportAndLog("Midi %s Thread 終了を待てません", GetFileName().c_str());
    CloseHandle(m_hThread);
    m_hThread = nullptr;
}

void cMidiStream::Open() {
    cLockHold hold(m_Lock);
    for (int i = 0; i < 2; ++i) {
        m_Buffer[i].assign(kMidiBufferSize, 0);
        m_Header[i] = MIDIHDR();
        m_Header[i].lpData = m_Buffer[i].data();
        m_Header[i].dwBufferLength = kMidiBufferSize;
    }
    if (!StartCallbackThread()) {
        ReportAndLog("Midi %s Thread 起動できません", GetFileName().c_str());
        return;
    }
    UINT device = MIDI_MAPPER;
    MMRESULT r = g_api->Open(&m_hStream, &device, 1, m_dwThreadId, 0, CALLBACK_THREAD);
    if (r) {
        m_hStream = nullptr;
        ReportAndLog("Midi %s Open %s", GetFileName().c_str(), GetErrorText(r));
        return;
    }
    MIDIPROPTIMEDIV division = {sizeof division, GetDivision()};
    r = g_api->Property(m_hStream, reinterpret_cast<LPBYTE>(&division), MIDIPROP_SET | MIDIPROP_TIMEDIV);
    if (r) ReportAndLog("Midi %s Property %s", GetFileName().c_str(), GetErrorText(r));
    Rewind();
}

void cMidiStream::Rewind() {
    m_Cursor = cMidiCursor();
    m_nNext = 0;
    m_nState = kStopped;
    FillBuffer();
}

void cMidiStream::FillBuffer() {
    if (!m_hStream || m_Cursor.position >= GetImage().size()) return;
    MIDIHDR& header = m_Header[m_nNext];
    if (header.dwFlags & MHDR_INQUEUE) return;
    MMRESULT r;
    if (header.dwFlags & MHDR_PREPARED) {
        r = g_api->Unprepare(AsOut(m_hStream), &header, sizeof header);
        if (r) ReportAndLog("Midi %s Unprepare %s", GetFileName().c_str(), GetErrorText(r));
    }
    if (FillEvents(GetImage(), m_Cursor, header))
        ReportAndLog("Midi %s SysEx バッファより大きいので送りません", GetFileName().c_str());
    r = g_api->Prepare(AsOut(m_hStream), &header, sizeof header);
    if (r) {
        ReportAndLog("Midi %s Prepare %s", GetFileName().c_str(), GetErrorText(r));
        return;
    }
    r = g_api->Out(m_hStream, &header, sizeof header);
    if (r) {
        ReportAndLog("Midi %s Out %s", GetFileName().c_str(), GetErrorText(r));
        return;
    }
    m_nNext ^= 1;
}

cMidiStream::eState cMidiStream::GetState() const {
    cLockHold hold(m_Lock);
    return m_nState;
}

void cMidiStream::Play(bool loop) {
    cLockHold hold(m_Lock);
    if (!HasImage()) return;
    m_bLoop = loop;
    if (!m_hStream || m_nState == kPlaying) return;
    MMRESULT r = g_api->Restart(m_hStream);
    if (r) ReportAndLog("Midi %s Restart %s", GetFileName().c_str(), GetErrorText(r));
    bool wasPaused = m_nState == kPaused;
    m_nState = kPlaying;
    if (!wasPaused) FillBuffer();
}

void cMidiStream::Stop(bool pause) {
    cLockHold hold(m_Lock);
    if (!m_hStream) return;
    if (pause) {
        if (m_nState != kPlaying) return;
        MMRESULT r = g_api->Pause(m_hStream);
        if (r) ReportAndLog("Midi %s Pause %s", GetFileName().c_str(), GetErrorText(r));
        m_nState = kPaused;
        return;
    }
    MMRESULT r = g_api->Stop(m_hStream);
    if (r) ReportAndLog("Midi %s Stop %s", GetFileName().c_str(), GetErrorText(r));
    // Rewound with the first buffer queued, so that the next play starts at once.
    Rewind();
}

void cMidiStream::OnPositionCallback(const MIDIHDR* header) {
    cLockHold hold(m_Lock);
    if (!m_hStream || (header != &m_Header[0] && header != &m_Header[1])) return;
    if (header->dwOffset > kMidiBufferSize - kShortEventSize) return;
    DWORD event;
    memcpy(&event, header->lpData + header->dwOffset + 8, sizeof event);
    if (event == kMidiEndMarker) {
        bool loop = m_bLoop;
        Stop(false);
        if (loop) Play(true);
    } else {
        FillBuffer();
    }
}

DWORD WINAPI cMidiStream::CallbackThread(void* parameter) {
    cMidiStream* stream = static_cast<cMidiStream*>(parameter);
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // makes the queue
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == MM_MOM_POSITIONCB) stream->OnPositionCallback(reinterpret_cast<const MIDIHDR*>(msg.lParam));
    }
    return 0;
}
