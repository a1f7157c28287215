#pragma once

#include "report/model/TfrxPropertyInfo.h"
#include "report/model/TfrxTypes.h"

// How the report is prepared (EngineOptions in templates).
class TfrxEngineOptions : public TfrxPersistent {
public:
    QString GetClassName() const override { return QStringLiteral("TfrxEngineOptions"); }
    const TfrxPropertyList& GetProperties() const override;

    bool GetConvertNulls() const { return FConvertNulls; }
    void SetConvertNulls(bool value) { FConvertNulls = value; }
    bool GetDoublePass() const { return FDoublePass; }
    void SetDoublePass(bool value) { FDoublePass = value; }
    int GetMaxMemSize() const { return FMaxMemSize; }
    void SetMaxMemSize(int value) { FMaxMemSize = value; }
    bool GetPrintIfEmpty() const { return FPrintIfEmpty; }
    void SetPrintIfEmpty(bool value) { FPrintIfEmpty = value; }
    // True exactly when NewSilentMode is simSilent; setting chooses simSilent or simMessageBoxes.
    bool GetSilentMode() const { return FNewSilentMode == simSilent; }
    void SetSilentMode(bool value) { FNewSilentMode = value ? simSilent : simMessageBoxes; }
    TfrxSilentMode GetNewSilentMode() const { return FNewSilentMode; }
    void SetNewSilentMode(TfrxSilentMode value) { FNewSilentMode = value; }
    const QString& GetTempDir() const { return FTempDir; }
    void SetTempDir(const QString& value) { FTempDir = value; }
    bool GetUseFileCache() const { return FUseFileCache; }
    void SetUseFileCache(bool value) { FUseFileCache = value; }
    bool GetIgnoreDevByZero() const { return FIgnoreDevByZero; }
    void SetIgnoreDevByZero(bool value) { FIgnoreDevByZero = value; }
    bool GetEnableThreadSafe() const { return FEnableThreadSafe; }
    void SetEnableThreadSafe(bool value) { FEnableThreadSafe = value; }
    bool GetUseGlobalDataSetList() const { return FUseGlobalDataSetList; }
    void SetUseGlobalDataSetList(bool value) { FUseGlobalDataSetList = value; }
    bool GetDestroyForms() const { return FDestroyForms; }
    void SetDestroyForms(bool value) { FDestroyForms = value; }

    // What clearing the report resets: ConvertNulls, IgnoreDevByZero and DoublePass.
    void Clear();
    void Assign(const TfrxEngineOptions& source);

private:
    bool FConvertNulls = true;
    bool FDoublePass = false;
    int FMaxMemSize = 10;
    bool FPrintIfEmpty = true;
    TfrxSilentMode FNewSilentMode = simMessageBoxes;
    QString FTempDir;
    bool FUseFileCache = false;
    bool FIgnoreDevByZero = false;
    bool FEnableThreadSafe = false;
    bool FUseGlobalDataSetList = true;
    bool FDestroyForms = true;
};
