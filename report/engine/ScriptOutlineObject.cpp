#include "report/engine/ScriptOutlineObject.h"

#include "common/Exception.h"
#include "common/Rounding.h"
#include "report/engine/TfrxOutline.h"
#include "report/model/TfrxCustomEngine.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxReport.h"
#include "report/script/ScriptMessages.h"

#include <functional>

namespace {

struct OutlineMember {
    const char* name;
    int parameters;
    std::function<TfsVariant(TfrxOutline&, TfrxReport&, const QList<TfsVariant>&)> call;
};

int engineTop(TfrxReport& report)
{
    TfrxCustomEngine* engine = report.GetEngine();
    return engine ? static_cast<int>(roundHalfEven(engine->GetCurY())) : 0;
}

const OutlineMember kOutlineMembers[] = {
    {"Count", 0, [](TfrxOutline& o, TfrxReport&, const auto&) { return TfsVariant(o.GetCount()); }},
    {"LevelRoot", 0,
     [](TfrxOutline& o, TfrxReport&, const auto&) {
         o.LevelRoot();
         return TfsVariant::Null();
     }},
    {"LevelUp", 0,
     [](TfrxOutline& o, TfrxReport&, const auto&) {
         o.LevelUp();
         return TfsVariant::Null();
     }},
    {"LevelDown", 1,
     [](TfrxOutline& o, TfrxReport&, const QList<TfsVariant>& a) {
         const int index = static_cast<int>(a[0].ToInt64());
         if (index < 0 || index >= o.GetCount())
             throw Exception(QStringLiteral("Index out of bounds"));
         o.LevelDown(index);
         return TfsVariant::Null();
     }},
    {"AddItem", 1,
     [](TfrxOutline& o, TfrxReport& r, const QList<TfsVariant>& a) {
         o.AddItem(a[0].ToString(), engineTop(r));
         return TfsVariant::Null();
     }},
};

} // namespace

TfrxOutline& ScriptOutlineObject::Outline() const
{
    TfrxCustomPreviewPages* pages = FReport.GetPreviewPages();
    TfrxOutline* outline = pages ? pages->GetOutline() : nullptr;
    if (!outline)
        throw Exception(QStringLiteral("The report outline is not available"));
    return *outline;
}

bool ScriptOutlineObject::InheritsFrom(const QString& className) const
{
    return className.compare(GetClassName(), Qt::CaseInsensitive) == 0;
}

bool ScriptOutlineObject::GetMember(const QString& name, QList<TfsVariant>& args, TfsVariant& result)
{
    for (const OutlineMember& member : kOutlineMembers) {
        if (name.compare(QLatin1String(member.name), Qt::CaseInsensitive) != 0)
            continue;
        if (args.size() > member.parameters)
            throw Exception(QString::fromLatin1(kSTooManyParams));
        if (args.size() < member.parameters)
            throw Exception(QString::fromLatin1(kSNotEnoughParams));
        result = member.call(Outline(), FReport, args);
        return true;
    }
    return false;
}

bool ScriptOutlineObject::SetMember(const QString&, const QList<TfsVariant>&, const TfsVariant&)
{
    return false;
}
