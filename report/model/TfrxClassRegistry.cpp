#include "report/model/TfrxClassRegistry.h"

#include "report/model/TfrxDataPage.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxPictureView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"

#include <algorithm>

void TfrxClassRegistry::Register(const QString& className, Factory factory)
{
    FEntries.insert(className.toCaseFolded(), Entry{className, std::move(factory)});
}

bool TfrxClassRegistry::IsRegistered(const QString& className) const
{
    return FEntries.contains(className.toCaseFolded());
}

TfrxComponent* TfrxClassRegistry::CreateObject(const QString& className, TfrxComponent* AOwner) const
{
    const auto it = FEntries.constFind(className.toCaseFolded());
    return it == FEntries.cend() ? nullptr : it->factory(AOwner);
}

TfrxComponent* TfrxClassRegistry::DesignCreate(const QString& className, TfrxComponent* AOwner) const
{
    TfrxComponent* object = CreateObject(className, AOwner);
    if (object)
        object->SetIsDesigning(true);
    return object;
}

QStringList TfrxClassRegistry::GetClassNames() const
{
    QStringList names;
    for (const Entry& entry : FEntries)
        names.append(entry.name);
    std::sort(names.begin(), names.end());
    return names;
}

TfrxClassRegistry& frxClassRegistry()
{
    static TfrxClassRegistry registry = [] {
        TfrxClassRegistry builtIn;
        builtIn.Register<TfrxReport>();
        builtIn.Register<TfrxReportPage>();
        builtIn.Register<TfrxDataPage>();
        builtIn.Register<TfrxCustomMemoView>();
        builtIn.Register<TfrxMemoView>();
        builtIn.Register<TfrxPictureView>();
        return builtIn;
    }();
    return registry;
}
