#pragma once
// Database tables whose entries name a file: dedicated character bitmaps, pictures, sounds
// (WAV) and background music (MIDI or Ogg).
#include <string>

#include "data/Record.h"

class cNamedFileRecord : public cRecord {
public:
    void RegisterFields(uint32_t version) override;

    std::string m_Name;
    std::string m_File;
};

#define NAMED_FILE_RECORD(T)           \
    class T : public cNamedFileRecord { \
    public:                             \
        T() {                           \
            RegisterFields(kDataVersion); \
            Reset();                    \
        }                               \
        RECORD_COPY(T)                  \
    };

NAMED_FILE_RECORD(cBmpCharaExc)
NAMED_FILE_RECORD(cPicture)
NAMED_FILE_RECORD(cSound)
NAMED_FILE_RECORD(cBgm)

#undef NAMED_FILE_RECORD
