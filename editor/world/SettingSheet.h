#pragma once
// What a page of the system settings or the project options may ask of the sheet it lies on, so
// that the pages need not know which sheet that is: the sheets include their pages.
#include "framework/PropSheet.h"

class cSettingSheet : public cPropSheet {
public:
    using cPropSheet::cPropSheet;
    // Stores every page that has been shown and saves the file they edit; false (reported) when
    // it could not be written.
    virtual bool Apply() = 0;
};
