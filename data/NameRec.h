#pragma once
// The name an author gives a numbered variable, shown in the flow editor's lists.
#include <string>

#include "data/Record.h"

class cNameRec : public cRecord {
public:
    cNameRec() {
        RegisterFields(kDataVersion);
        Reset();
    }
    void RegisterFields(uint32_t) override {
        ClearFields();
        AddStringField(&m_Name);
    }
    RECORD_COPY(cNameRec)

    std::string m_Name;
};
