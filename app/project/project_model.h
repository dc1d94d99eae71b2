#pragma once

#include "app/project/dialog_states.h"
#include "app/project/form1_state.h"
#include "app/project/form3_state.h"
#include "app/project/form46_state.h"
#include "app/project/frm_main_state.h"
#include "app/project/main_form_state.h"

#include <QString>
#include <QStringView>

#include <vector>

namespace velumo {

struct OwnedTable
{
    QString owner; // the owning window's name, e.g. "Form1"
    StringTable *table;
};

struct OwnedValue
{
    QString owner;
    HiddenValue *value;
};

// Every shared table and hidden value of the project, grouped by the window that owns it.
// The windows read and write each other's data directly through these members; there is one
// model per run, created with the windows and never copied.
struct ProjectModel
{
    ProjectModel() = default;
    ProjectModel(const ProjectModel &) = delete;
    ProjectModel &operator=(const ProjectModel &) = delete;

    Form1State form1;
    MainFormState mainForm;
    FrmMainState frmMain;
    Form2State form2;
    Form3State form3;
    Form17State form17;
    Form39State form39;
    Form46State form46;
    Form49State form49;
    DeleteConfirmState form12;
    DeleteConfirmState form13;
    Form14State form14;
    Form15State form15;

    // Every table and every hidden value exactly once, for support dumps. The flags of Form2 and Form17
    // are not hidden values and are not listed.
    std::vector<OwnedTable> tables();
    std::vector<OwnedValue> values();
    // nullptr when the owner has no table or value of that name.
    StringTable *findTable(QStringView owner, QStringView name);
    HiddenValue *findValue(QStringView owner, QStringView name);

    // Empties every table and restores every default, as at start-up.
    void reset();
};

} // namespace velumo
