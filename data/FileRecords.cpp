#include "data/FileRecords.h"

void cNamedFileRecord::RegisterFields(uint32_t) {
    ClearFields();
    AddStringField(&m_Name);
    AddStringField(&m_File);
}
