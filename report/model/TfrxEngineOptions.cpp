#include "report/model/TfrxEngineOptions.h"

#include "report/model/TfrxEnumNames.h"
#include "report/model/TfrxPropertyTable.h"

const TfrxPropertyList& TfrxEngineOptions::GetProperties() const
{
    using E = TfrxEngineOptions;
    static const TfrxPropertyList list =
        TfrxPropertyTable<E>()
            .Boolean("ConvertNulls", &E::GetConvertNulls, &E::SetConvertNulls)
            .Default(true)
            .Boolean("DoublePass", &E::GetDoublePass, &E::SetDoublePass)
            .Default(false)
            .Integer("MaxMemSize", &E::GetMaxMemSize, &E::SetMaxMemSize)
            .Default(10)
            .Boolean("PrintIfEmpty", &E::GetPrintIfEmpty, &E::SetPrintIfEmpty)
            .Default(true)
            .Boolean("SilentMode", &E::GetSilentMode, &E::SetSilentMode)
            .Default(false)
            .Enum("NewSilentMode", "TfrxSilentMode", frxSilentModeNames(), &E::GetNewSilentMode,
                  &E::SetNewSilentMode)
            .Default(simMessageBoxes)
            .String("TempDir", &E::GetTempDir, &E::SetTempDir)
            .Boolean("UseFileCache", &E::GetUseFileCache, &E::SetUseFileCache)
            .Default(false)
            .Boolean("IgnoreDevByZero", &E::GetIgnoreDevByZero, &E::SetIgnoreDevByZero)
            .Default(false)
            .Build();
    return list;
}

void TfrxEngineOptions::Clear()
{
    FConvertNulls = true;
    FIgnoreDevByZero = false;
    FDoublePass = false;
}

void TfrxEngineOptions::Assign(const TfrxEngineOptions& source)
{
    if (&source == this)
        return;
    frxCopyProperties(*this, source);
    FEnableThreadSafe = source.FEnableThreadSafe;
    FUseGlobalDataSetList = source.FUseGlobalDataSetList;
    FDestroyForms = source.FDestroyForms;
}
