#pragma once

#include "report/script/ScriptNodes.h"
#include "report/script/TfsCustomVariable.h"
#include "report/script/TfsMethodHelper.h"

#include <QStringList>
#include <memory>
#include <vector>

class TfsObject;

// A script: its program text, its named items and its compiled main block. Names are looked up
// in the script, then in each parent in turn, then in the library (fsGlobalUnit). Only the
// language "PascalScript" is compiled; any other gives "Language '…' not found".
//
// Compiled code refers to the items it uses; an item must not be removed while code compiled
// against it may still run (the report removes its expression cache's functions before its own
// items, see TfrxReportScript).
class TfsScript {
public:
    TfsScript();
    ~TfsScript();
    TfsScript(const TfsScript&) = delete;
    TfsScript& operator=(const TfsScript&) = delete;

    const QStringList& GetLines() const { return FLines; }
    void SetLines(const QStringList& lines) { FLines = lines; }
    const QString& GetSyntaxType() const { return FSyntaxType; }
    void SetSyntaxType(const QString& language) { FSyntaxType = language; }
    TfsScript* GetParent() const { return FParent; }
    // Throws Exception when the parent chain would come back to this script.
    void SetParent(TfsScript* parent);
    // The owner recorded on items added while it is set (by the Add… operations and by Compile).
    const void* GetAddedBy() const { return FAddedBy; }
    void SetAddedBy(const void* owner) { FAddedBy = owner; }
    // Lets identifiers contain characters above 127.
    bool GetExtendedCharset() const { return FExtendedCharset; }
    void SetExtendedCharset(bool value) { FExtendedCharset = value; }

    // The last compile error and its position "line:column" (both 1-based); empty after success.
    const QString& GetErrorMsg() const { return FErrorMsg; }
    const QString& GetErrorPos() const { return FErrorPos; }
    // Statements of the compiled main block.
    int GetStatementCount() const;

    // Compiles the lines; the declared items join the script only when the whole program compiles.
    bool Compile();
    // Runs the compiled main block. Errors raise Exception.
    void Execute();
    // Calls a procedure or function with Params in order (var parameters leave their new values
    // there); null when no such item exists, here or (when SearchParents) along the parent chain.
    TfsVariant CallFunction(const QString& name, QList<TfsVariant>& params, bool searchParents = false);

    TfsCustomVariable* Find(const QString& name) const;
    TfsCustomVariable* FindLocal(const QString& name) const;
    void Remove(TfsCustomVariable* item);
    // Removes every item added by Owner, and the compiled main block.
    void ClearItems(const void* owner);
    // Removes every item except those of the library, and the compiled main block.
    void Clear();

    // A report object, as a constant of the object's class.
    TfsVariable* AddObject(const QString& name, TfsObject* object);
    // A variable of TypeName (a type of the library, or any other name, which holds any value).
    TfsVariable* AddVariable(const QString& name, const QString& typeName, const TfsVariant& value);
    TfsVariable* AddConst(const QString& name, const QString& typeName, const TfsVariant& value);
    // A host function declared by a heading such as "function Get(Name: String): Variant"; a
    // heading starting with "macrofunction" declares one that receives its arguments as texts.
    // Throws Exception for an invalid heading.
    TfsMethodHelper* AddMethod(const QString& declaration, TfsMethodHandler handler);
    TfsTypeVariable* AddType(const QString& name, TfsBaseType base);
    TfsClassVariable* AddClass(const QString& name);

    // The owner of the library's items.
    static const void* LibraryOwner();

private:
    friend TfsScript& fsGlobalUnit();

    template <typename T> T* AddItem(std::unique_ptr<T> item);
    TfsTypeInfo TypeOf(const QString& typeName) const;

    std::vector<std::unique_ptr<TfsCustomVariable>> FItems; // sorted by key; equal keys in order of adding
    QStringList FLines;
    QString FSyntaxType = QStringLiteral("PascalScript");
    TfsScript* FParent = nullptr;
    std::unique_ptr<CompoundStmt> FStatement;
    int FStatementDepth = 0;
    QString FErrorMsg;
    QString FErrorPos;
    const void* FAddedBy = nullptr;
    bool FExtendedCharset = false;
    bool FIsLibrary = false; // the library looks up names in itself only
};

// The library: types, constants and functions every script reaches after its parents.
TfsScript& fsGlobalUnit();
