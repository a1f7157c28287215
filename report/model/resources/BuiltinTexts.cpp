#include "report/model/resources/BuiltinTexts.h"

namespace {
// Keep sorted by key within each group; add texts where the code that shows them lives.
const BuiltinText kTexts[] = {
    // message box captions
    {"mbConfirm", "Confirm"},
    {"mbError", "Error"},
    {"mbInfo", "Information"},
    // printer layer
    {"prCustom", "Custom"},
    {"prDefault", "Default"},
    {"prInvalid", "Printer selected is not valid"},
    {"prJobFailed", "The document could not be printed: %s"},
    {"prVirtual", "Virtual"},
    // naming
    {"clCantRen", "Could not rename %s, it was introduced in the ancestor report"},
    {"prDupl", "Duplicate name"},
    // object descriptions
    {"obPicture", "Picture object"},
    {"obRepPage", "Report page"},
    {"obReport", "Report object"},
    {"obText", "Text object"},
    // preview
    {"100", "Preview"},
    // script and expressions
    {"clErrorInExp", "Error in Calc expression:"},
    {"clExprError", "Error in expression"},
    {"clScrError", "Script error at %s: %s"},
    {"clUnknownVar", "Unknown variable or datafield:"},
};
} // namespace

std::span<const BuiltinText> builtinTexts()
{
    return kTexts;
}
