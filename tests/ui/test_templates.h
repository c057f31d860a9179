// Dialog templates of the layer's tests: small dialogs that each exercise one set of rules.
#pragma once

#include "resources/resources.h"

namespace vexor::test {

enum TemplateId {
    kKeysDialog = 9001,     // default button, mnemonics, tab order with disabled and hidden controls, labels
    kNoDefaultDialog = 9002, // no BS_DEFPUSHBUTTON: Enter means IDOK
    kComboDialog = 9003,
    kListDialog = 9004,
    kOuterDialog = 9005,    // opens kInnerDialog
    kInnerDialog = 9006,    // shows a message box
    kMissingTemplate = 9999,
};

enum ControlId {
    kNameEdit = 100,
    kDisabledEdit = 101,
    kHiddenEdit = 102,
    kRememberCheck = 103,
    kDeleteButton = 104,
    kNoTabStopEdit = 105,
    kPasswordEdit = 106,
    kReadOnlyEdit = 107,
    kOtherButton = 200,
    kPlainEdit = 201,
    kPlainCheck = 202,
    kNarrowCombo = 300,
    kWideCombo = 301,
    kList = 400,
    kOpenButton = 500,
    kReportButton = 600,
};

const res::DialogTemplate* findTestTemplate(int id);

} // namespace vexor::test
