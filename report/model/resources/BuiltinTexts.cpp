#include "report/model/resources/BuiltinTexts.h"

namespace {
// Keep sorted by key within each group; add texts where the code that shows them lives.
const BuiltinText kTexts[] = {
    // buttons
    {"1", "OK"},
    {"2", "Cancel"},
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
    // loading templates
    {"5000", "Password"},
    {"5001", "Enter the password:"},
    {"clDecompressError", "Stream decompress error"},
    {"clErrors", "The following error(s) have occured:"},
    {"xrCantFindClass", "Cannot find class"},
    // preview
    {"100", "Preview"},
    // print dialog and print job
    {"clNoPrinters", "No printers installed on your system"},
    {"prPrinting", "Printing page %d"},
    {"prdAll", "All"},
    {"prdAllPages", "All pages"},
    {"prdCollate", "Collate"},
    {"prdCopies", "Copies"},
    {"prdCopiesNumber", "Number of copies"},
    {"prdCurPage", "Current page"},
    {"prdDescription", "Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12"},
    {"prdDirect", "Direct (1-9)"},
    {"prdDuplex", "Duplex"},
    {"prdEvenPages", "Even pages"},
    {"prdHorizontal", "Horizontal"},
    {"prdJoin", "Join small pages"},
    {"prdName", "Name:"},
    {"prdOddPages", "Odd pages"},
    {"prdOrder", "Order"},
    {"prdOther", "Other"},
    {"prdPageNumbers", "Pages:"},
    {"prdPages", "Pages"},
    {"prdPrint", "Print"},
    {"prdPrintMode", "Print mode"},
    {"prdPrintOnSheet", "Print on sheet"},
    {"prdPrintToFile", "Print to file"},
    {"prdPrinter", "Printer"},
    {"prdPrnFilter", "Printer file (*.prn)|*.prn"},
    {"prdProperties", "Properties..."},
    {"prdReverse", "Reverse (9-1)"},
    {"prdScale", "Scale"},
    {"prdSimplex", "Simplex"},
    {"prdSplit", "Split big pages"},
    {"prdVertical", "Vertical"},
    {"prdWhere", "Where:"},
    // script and expressions
    {"clErrorInExp", "Error in Calc expression:"},
    {"clExprError", "Error in expression"},
    {"clScrError", "Script error at %s: %s"},
    {"clUnknownVar", "Unknown variable or datafield:"},
    // script engine messages, replaceable by a language file like every other text
    {"SArrayRequired", "Array type required"},
    {"SClassError", "Class %s does not have a default property"},
    {"SClassRequired", "Class type required"},
    {"SEventError", "Event handler must be a procedure"},
    {"SForError", "For loop variable must be numeric variable"},
    {"SIdRedeclared", "Identifier redeclared: "},
    {"SIdUndeclared", "Undeclared identifier: "},
    {"SIncompatibleTypes", "Incompatible types"},
    {"SIndexRequired", "Index required"},
    {"SInvalidLanguage", "Invalid language definition"},
    {"SLangNotFound", "Language '%s' not found"},
    {"SLeftCantAssigned", "Left side cannot be assigned to"},
    {"SNotEnoughParams", "Not enough actual parameters"},
    {"SStringError", "Strings do not have properties or methods"},
    {"STooManyParams", "Too many actual parameters"},
    {"SUnknownType", "Unknown type: "},
    {"SVarRequired", "Variable required"},
};
} // namespace

std::span<const BuiltinText> builtinTexts()
{
    return kTexts;
}
