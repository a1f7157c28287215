#include "report/engine/EngineRegistration.h"

#include "report/engine/ScriptOutlineObject.h"
#include "report/engine/TfrxEngine.h"
#include "report/engine/TfrxNullBand.h"
#include "report/engine/TfrxPreviewPages.h"
#include "report/model/TfrxClassRegistry.h"
#include "report/model/TfrxReportParts.h"

void frxRegisterEngine()
{
    TfrxReportParts& parts = frxReportParts();
    parts.CreateEngine = [](TfrxReport& report) -> std::unique_ptr<TfrxCustomEngine> {
        return std::make_unique<TfrxEngine>(report);
    };
    parts.CreatePreviewPages = [](TfrxReport& report) -> std::unique_ptr<TfrxCustomPreviewPages> {
        return std::make_unique<TfrxPreviewPages>(report);
    };
    parts.CreateScriptOutline = [](TfrxReport& report) -> std::unique_ptr<TfsObject> {
        return std::make_unique<ScriptOutlineObject>(report);
    };
    frxClassRegistry().Register<TfrxNullBand>();
}
