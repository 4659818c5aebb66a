#pragma once
// The character effect and screen effect pages: a name, an effect type and five parameters
// whose captions, ranges and defaults come from the type's row of a parameter table. Choosing
// another type relabels and re-ranges the parameters and gives them that type's defaults;
// selecting a record makes its type the remembered one, so that the next change of type always
// starts from the new type's defaults.
#include "data/EffectRecords.h"
#include "data/EffectTables.h"
#include "editor/database/DatabaseIds.h"
#include "editor/database/DbTablePage.h"
#include "framework/Combo.h"
#include "framework/EditVal.h"
#include "framework/PictureBox.h"

template <class T>
class cDbEffectTypePage : public cDbTablePage<T> {
public:
    using ParamRow = cParamDesc[kEffectParams];

    cDbEffectTypePage(UINT templateId, uint16_t listId, cChildWnd* parent, cWndGroup* group, cRecordVector<T>* table,
                      const char* const* names, const ParamRow* params, int types)
        : cDbTablePage<T>(templateId, parent, group, table, listId, 1, NameRowText<T>, 999, 1),
          m_lpParams(params),
          m_Types(types) {
        this->m_Texts.resize(1);
        this->m_Texts[0].m_Desc = cStrEditDesc(IDC_DB_NAME, &this->m_Edit.m_Name, kDbNameLimit, 0);
        this->m_Buttons.resize(1);
        this->m_Buttons[0].m_Desc.Set(IDC_DB_COUNT);
        m_Combo.resize(1);
        m_Combo[0].m_Desc = cComboDesc<int32_t>(IDC_DB_EFFECT_TYPE, &this->m_Edit.m_Type, names, 1);
        m_Params.resize(kEffectParams);
        m_Labels.resize(kEffectParams);
        for (int i = 0; i < kEffectParams; ++i) {
            m_Params[i].m_Desc.Set(kParamIds[i], &this->m_Edit.m_Params[i], 0, 999, kSpinIds[i]);
            m_Labels[i].m_Desc.Set(kLabelIds[i]);
        }
    }

    // Test seam: the type whose parameters the page remembers.
    int RememberedType() const { return m_Remembered; }

    static constexpr uint16_t kParamIds[kEffectParams] = {IDC_DB_PARAM1, IDC_DB_PARAM2, IDC_DB_PARAM3, IDC_DB_PARAM4,
                                                          IDC_DB_PARAM5};
    static constexpr uint16_t kSpinIds[kEffectParams] = {IDC_DB_PARAM1_SPIN, IDC_DB_PARAM2_SPIN, IDC_DB_PARAM3_SPIN,
                                                         IDC_DB_PARAM4_SPIN, IDC_DB_PARAM5_SPIN};
    static constexpr uint16_t kLabelIds[kEffectParams] = {IDC_DB_PARAM1_LABEL, IDC_DB_PARAM2_LABEL,
                                                          IDC_DB_PARAM3_LABEL, IDC_DB_PARAM4_LABEL,
                                                          IDC_DB_PARAM5_LABEL};

protected:
    void AttachPage() override {
        this->AttachCtrls(m_Combo);
        this->AttachCtrls(m_Params);
        this->AttachCtrls(m_Labels);
    }
    void EnableStep() override {
        if (!this->IsInitialised()) Relabel(true, true);
    }
    void PageCommand(int id, int code) override {
        if (id == IDC_DB_EFFECT_TYPE && code == CBN_SELCHANGE && this->IsInitialised()) {
            Relabel(true, true);
            // The defaults went into the edits: the edited record takes them with the type.
        }
    }
    // A record's values are shown unclamped, then the ranges of its type apply.
    void OnSelect() override {
        for (auto& param : m_Params) param.m_Ctrl.SetRange(-9999, 9999);
        this->RefreshOthers();
        if (this->IsInitialised()) {
            m_Remembered = -1;
            Relabel(true, true);
        }
    }
    virtual void OnRelabel(int type) {}

    // The shown type's captions, enables and (range) ranges; with defaults, a type other than
    // the remembered one gives every parameter its default. The shown type is remembered.
    void Relabel(bool range, bool defaults) {
        int type = static_cast<int8_t>(ShownType());
        const cParamDesc* row = type >= 0 && type < m_Types ? m_lpParams[type] : m_lpParams[0];
        for (int i = 0; i < kEffectParams; ++i) {
            const cParamDesc& desc = row[i];
            bool used = desc.m_Caption && desc.m_Caption[0];
            m_Labels[i].m_Ctrl.SetText(used ? desc.m_Caption : "");
            m_Params[i].m_Ctrl.Enable(used);
            if (range) {
                m_Params[i].m_Ctrl.SetRange(desc.m_Min, desc.m_Max);
                m_Params[i].m_Ctrl.DataToCtrl();
            }
        }
        if (defaults) {
            if (m_Remembered != -1 && m_Remembered != type)
                for (int i = 0; i < kEffectParams; ++i) {
                    this->m_Edit.m_Params[i] = row[i].m_Default;
                    m_Params[i].m_Ctrl.SetValue(row[i].m_Default);
                }
            m_Remembered = type;
        }
        OnRelabel(type);
    }
    int ShownType() const {
        LRESULT pos = SendMessageA(m_Combo[0].m_Ctrl.GetHwnd(), CB_GETCURSEL, 0, 0);
        return pos == CB_ERR ? 0 : static_cast<int>(pos) + 1;
    }

    const ParamRow* m_lpParams;
    int m_Types;
    int m_Remembered = -1;
    cBindings<cBound<cCombo<int32_t>, cComboDesc<int32_t>>> m_Combo;
    cBindings<cBoundEditVal<int32_t>> m_Params;
    cBindings<cBoundPlain> m_Labels;
};

// The colour-change type shows the palette colour of its fourth parameter beside it.
class cDbCharaEffectPage : public cDbEffectTypePage<cCharaEffect> {
public:
    cDbCharaEffectPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cCharaEffect>* table);
    // Test seam: the colour sample as the tests read it.
    cPictureBox& ColourSample() { return m_Sample[0].m_Ctrl; }

protected:
    void AttachPage() override;
    void OnRelabel(int type) override;
    void AfterCommand() override { DrawColourSample(); }

private:
    void DrawColourSample();

    cBindings<cBoundPictureBox> m_Sample;
};

class cDbScrEffectPage : public cDbEffectTypePage<cScrEffect> {
public:
    cDbScrEffectPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cScrEffect>* table);
};
