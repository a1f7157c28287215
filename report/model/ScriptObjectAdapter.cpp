#include "report/model/ScriptObjectAdapter.h"

#include "common/DateValue.h"
#include "common/Exception.h"
#include "report/model/TfrxCustomEngine.h"
#include "report/model/TfrxCustomMemoView.h"
#include "report/model/TfrxDataPage.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxPictureView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"
#include "report/model/TfrxReportParts.h"
#include "report/script/ScriptMessages.h"

#include <QRegularExpression>

#include <cmath>
#include <functional>
#include <utility>

TfsVariant frxVariantFromValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return TfsVariant::Null();
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return value.toLongLong();
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toDouble();
    case QMetaType::QDate:
        return TfsVariant::FromDate(dateToValue(value.toDate()));
    case QMetaType::QDateTime:
        return TfsVariant::FromDate(dateTimeToValue(value.toDateTime()));
    default:
        return value.toString();
    }
}

QVariant frxValueFromVariant(const TfsVariant& value)
{
    if (value.IsNull() || value.IsEmpty())
        return QVariant();
    if (value.IsBoolean())
        return value.ToBoolean();
    if (value.IsInteger())
        return static_cast<qlonglong>(value.ToInt64());
    if (value.IsDouble())
        return value.ToDouble();
    if (value.IsDate())
        return valueToDateTime(value.ToDate());
    try {
        return VarToStr(value);
    } catch (const Exception&) {
        return QVariant(); // arrays, sets and objects have no value a memo could keep
    }
}

namespace {

// Every line followed by CR LF, as a string list's text reads in scripts.
QString linesText(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

QStringList textLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineBreak);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The class names a script may test with "is", from the most derived one.
const std::pair<const char*, std::function<bool(const TfrxPersistent&)>> kClasses[] = {
    {"TfrxReport", [](const TfrxPersistent& o) { return dynamic_cast<const TfrxReport*>(&o); }},
    {"TfrxReportPage", [](const TfrxPersistent& o) { return dynamic_cast<const TfrxReportPage*>(&o); }},
    {"TfrxDataPage", [](const TfrxPersistent& o) { return dynamic_cast<const TfrxDataPage*>(&o); }},
    {"TfrxPage", [](const TfrxPersistent& o) { return dynamic_cast<const TfrxPage*>(&o); }},
    {"TfrxMemoView", [](const TfrxPersistent& o) { return dynamic_cast<const TfrxMemoView*>(&o); }},
    {"TfrxCustomMemoView",
     [](const TfrxPersistent& o) { return dynamic_cast<const TfrxCustomMemoView*>(&o); }},
    {"TfrxPictureView", [](const TfrxPersistent& o) { return dynamic_cast<const TfrxPictureView*>(&o); }},
    {"TfrxStretcheable", [](const TfrxPersistent& o) { return dynamic_cast<const TfrxStretcheable*>(&o); }},
    {"TfrxView", [](const TfrxPersistent& o) { return dynamic_cast<const TfrxView*>(&o); }},
    {"TfrxReportComponent",
     [](const TfrxPersistent& o) { return dynamic_cast<const TfrxReportComponent*>(&o); }},
    {"TfrxComponent", [](const TfrxPersistent& o) { return dynamic_cast<const TfrxComponent*>(&o); }},
    {"TPersistent", [](const TfrxPersistent&) { return true; }},
    {"TObject", [](const TfrxPersistent&) { return true; }},
};

// Sizes and positions that are not finite would reach the drawing code's integer conversions.
double finiteDouble(const TfsVariant& value)
{
    const double number = value.ToDouble();
    if (!std::isfinite(number))
        throw Exception(QStringLiteral("Invalid floating point operation"));
    return number;
}

// Members every report object has, also where its class does not publish them (a page's size).
struct ComponentMember {
    const char* name;
    std::function<TfsVariant(TfrxComponent&)> get;
    std::function<void(TfrxComponent&, const TfsVariant&)> set;
};

TfrxCustomMemoView& memoOf(TfrxComponent& object)
{
    return dynamic_cast<TfrxCustomMemoView&>(object);
}

const ComponentMember kComponentMembers[] = {
    {"Left", [](TfrxComponent& c) { return TfsVariant(c.GetLeft()); },
     [](TfrxComponent& c, const TfsVariant& v) { c.SetLeft(finiteDouble(v)); }},
    {"Top", [](TfrxComponent& c) { return TfsVariant(c.GetTop()); },
     [](TfrxComponent& c, const TfsVariant& v) { c.SetTop(finiteDouble(v)); }},
    {"Width", [](TfrxComponent& c) { return TfsVariant(c.GetWidth()); },
     [](TfrxComponent& c, const TfsVariant& v) { c.SetWidth(finiteDouble(v)); }},
    {"Height", [](TfrxComponent& c) { return TfsVariant(c.GetHeight()); },
     [](TfrxComponent& c, const TfsVariant& v) { c.SetHeight(finiteDouble(v)); }},
    {"Visible", [](TfrxComponent& c) { return TfsVariant(c.GetVisible()); },
     [](TfrxComponent& c, const TfsVariant& v) { c.SetVisible(v.ToBoolean()); }},
    {"AbsLeft", [](TfrxComponent& c) { return TfsVariant(c.GetAbsLeft()); }, nullptr},
    {"AbsTop", [](TfrxComponent& c) { return TfsVariant(c.GetAbsTop()); }, nullptr},
};

const ComponentMember kMemoMembers[] = {
    {"Text", [](TfrxComponent& c) { return TfsVariant(memoOf(c).GetText()); },
     [](TfrxComponent& c, const TfsVariant& v) { memoOf(c).SetText(v.ToString()); }},
};

const ComponentMember* findMember(const TfrxPersistent& object, const QString& name)
{
    if (!dynamic_cast<const TfrxComponent*>(&object))
        return nullptr;
    for (const ComponentMember& member : kComponentMembers)
        if (name.compare(QLatin1String(member.name), Qt::CaseInsensitive) == 0)
            return &member;
    if (dynamic_cast<const TfrxCustomMemoView*>(&object))
        for (const ComponentMember& member : kMemoMembers)
            if (name.compare(QLatin1String(member.name), Qt::CaseInsensitive) == 0)
                return &member;
    return nullptr;
}

// Properties naming files and folders (the settings store, the temporary folder, a picture's file):
// a script changing them would make the report read or write files the template never named.
bool namesFile(const TfrxPropertyInfo& property)
{
    for (const char* name : {"IniFile", "TempDir", "FileLink"})
        if (property.GetName() == QLatin1String(name))
            return true;
    return false;
}

void rejectArguments(const QList<TfsVariant>& args)
{
    if (!args.isEmpty())
        throw Exception(QString::fromLatin1(kSTooManyParams));
}

QVariant propertyValue(const TfrxPropertyInfo& property, const TfsVariant& value)
{
    switch (property.GetKind()) {
    case pkInteger:
    case pkEnum:
    case pkColor:
        return static_cast<int>(value.ToInt64());
    case pkFloat:
        return finiteDouble(value);
    case pkBoolean:
        return value.ToBoolean();
    case pkSet:
        return static_cast<qulonglong>(value.ToInt64());
    case pkStrings:
        return textLines(value.ToString());
    case pkVariant:
        return frxValueFromVariant(value);
    case pkReference: {
        auto* adapter = dynamic_cast<ScriptObjectAdapter*>(value.IsObject() ? value.ToObject() : nullptr);
        if (!value.IsNull() && (!adapter || !adapter->GetPath().isEmpty()))
            throw Exception(QString::fromLatin1(kSIncompatibleTypes));
        return QVariant::fromValue(adapter ? &static_cast<TfrxComponent&>(adapter->Resolve()) : nullptr);
    }
    default:
        return value.ToString();
    }
}

// The engine's members: properties without arguments (Set for the writable ones) and methods with
// their parameter count.
struct EngineMember {
    const char* name;
    int parameters;
    std::function<TfsVariant(TfrxCustomEngine&, const QList<TfsVariant>&)> get;
    std::function<void(TfrxCustomEngine&, const TfsVariant&)> set;
};

TfsVariant done()
{
    return TfsVariant::Null();
}

const EngineMember kEngineMembers[] = {
    {"CurColumn", 0, [](TfrxCustomEngine& e, const auto&) { return TfsVariant(e.GetCurColumn()); },
     [](TfrxCustomEngine& e, const TfsVariant& v) { e.SetCurColumn(static_cast<int>(v.ToInt64())); }},
    {"CurVColumn", 0, [](TfrxCustomEngine& e, const auto&) { return TfsVariant(e.GetCurVColumn()); },
     nullptr},
    {"CurLine", 0, [](TfrxCustomEngine& e, const auto&) { return TfsVariant(e.GetCurLine()); }, nullptr},
    {"CurLineThrough", 0, [](TfrxCustomEngine& e, const auto&) { return TfsVariant(e.GetCurLineThrough()); },
     nullptr},
    {"CurX", 0, [](TfrxCustomEngine& e, const auto&) { return TfsVariant(e.GetCurX()); },
     [](TfrxCustomEngine& e, const TfsVariant& v) { e.SetCurX(finiteDouble(v)); }},
    {"CurY", 0, [](TfrxCustomEngine& e, const auto&) { return TfsVariant(e.GetCurY()); },
     [](TfrxCustomEngine& e, const TfsVariant& v) { e.SetCurY(finiteDouble(v)); }},
    {"DoublePass", 0, [](TfrxCustomEngine& e, const auto&) { return TfsVariant(e.GetDoublePass()); },
     nullptr},
    {"FinalPass", 0, [](TfrxCustomEngine& e, const auto&) { return TfsVariant(e.GetFinalPass()); }, nullptr},
    {"PageHeight", 0, [](TfrxCustomEngine& e, const auto&) { return TfsVariant(e.GetPageHeight()); },
     nullptr},
    {"PageWidth", 0, [](TfrxCustomEngine& e, const auto&) { return TfsVariant(e.GetPageWidth()); }, nullptr},
    {"StartDate", 0, [](TfrxCustomEngine& e, const auto&) { return TfsVariant::FromDate(e.GetStartDate()); },
     nullptr},
    {"StartTime", 0, [](TfrxCustomEngine& e, const auto&) { return TfsVariant::FromDate(e.GetStartTime()); },
     nullptr},
    {"TotalPages", 0, [](TfrxCustomEngine& e, const auto&) { return TfsVariant(e.GetTotalPages()); },
     nullptr},
    {"FreeSpace", 0, [](TfrxCustomEngine& e, const auto&) { return TfsVariant(e.FreeSpace()); }, nullptr},
    {"HeaderHeight", 0, [](TfrxCustomEngine& e, const auto&) { return TfsVariant(e.HeaderHeight()); },
     nullptr},
    {"FooterHeight", 0, [](TfrxCustomEngine& e, const auto&) { return TfsVariant(e.FooterHeight()); },
     nullptr},
    {"StopReport", 0,
     [](TfrxCustomEngine& e, const auto&) {
         e.StopReport();
         return done();
     },
     nullptr},
    {"NewPage", 0,
     [](TfrxCustomEngine& e, const auto&) {
         e.NewPage();
         return done();
     },
     nullptr},
    {"NewColumn", 0,
     [](TfrxCustomEngine& e, const auto&) {
         e.NewColumn();
         return done();
     },
     nullptr},
    {"BreakAllKeep", 0,
     [](TfrxCustomEngine& e, const auto&) {
         e.BreakAllKeep();
         return done();
     },
     nullptr},
    {"ShowBand", 1,
     [](TfrxCustomEngine& e, const QList<TfsVariant>& a) {
         e.ShowBandByName(a[0].ToString());
         return done();
     },
     nullptr},
};

const EngineMember* findEngineMember(const QString& name)
{
    for (const EngineMember& member : kEngineMembers)
        if (name.compare(QLatin1String(member.name), Qt::CaseInsensitive) == 0)
            return &member;
    return nullptr;
}

} // namespace

TfrxCustomEngine& ScriptEngineAdapter::Engine() const
{
    TfrxCustomEngine* engine = FReport.GetEngine();
    if (!engine)
        throw Exception(QStringLiteral("The report engine is not available"));
    return *engine;
}

bool ScriptEngineAdapter::InheritsFrom(const QString& className) const
{
    for (const char* name : {"TfrxEngine", "TfrxCustomEngine"})
        if (className.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool ScriptEngineAdapter::GetMember(const QString& name, QList<TfsVariant>& args, TfsVariant& result)
{
    const EngineMember* member = findEngineMember(name);
    if (!member)
        return false;
    if (args.size() > member->parameters)
        throw Exception(QString::fromLatin1(kSTooManyParams));
    if (args.size() < member->parameters)
        throw Exception(QString::fromLatin1(kSNotEnoughParams));
    result = member->get(Engine(), args);
    return true;
}

bool ScriptEngineAdapter::SetMember(const QString& name, const QList<TfsVariant>& args,
                                    const TfsVariant& value)
{
    const EngineMember* member = findEngineMember(name);
    if (!member)
        return false;
    if (!member->set)
        throw Exception(QString::fromLatin1(kSLeftCantAssigned));
    rejectArguments(args);
    member->set(Engine(), value);
    return true;
}

QStringList frxScriptClassNames()
{
    QStringList names;
    for (const auto& entry : kClasses)
        names.append(QString::fromLatin1(entry.first));
    return names;
}

ScriptObjectAdapter::ScriptObjectAdapter(ScriptObjectAdapters& owner, TfrxComponent& root, QStringList path)
    : FOwner(owner), FPath(std::move(path))
{
    FRoot.Set(&root);
    FClassName = Resolve().GetClassName();
}

TfrxPersistent& ScriptObjectAdapter::Resolve() const
{
    TfrxComponent* root = FRoot.Get();
    if (!root)
        throw Exception(QStringLiteral("The report object no longer exists"));
    TfrxPersistent* object = root;
    for (const QString& name : FPath) {
        const TfrxPropertyInfo* property = object->GetProperties().Find(name);
        object = property ? property->GetObject(*object) : nullptr;
        if (!object)
            throw Exception(QStringLiteral("The report object no longer exists"));
    }
    return *object;
}

bool ScriptObjectAdapter::InheritsFrom(const QString& className) const
{
    const TfrxPersistent& object = Resolve();
    if (className.compare(object.GetClassName(), Qt::CaseInsensitive) == 0)
        return true;
    for (const auto& [name, test] : kClasses)
        if (className.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return test(object);
    return false;
}

bool ScriptObjectAdapter::GetMember(const QString& name, QList<TfsVariant>& args, TfsVariant& result)
{
    TfrxPersistent& object = Resolve();
    const TfrxPropertyInfo* property = object.GetProperties().Find(name);
    if (!property) {
        const ComponentMember* member = findMember(object, name);
        if (!member)
            return false;
        rejectArguments(args);
        result = member->get(static_cast<TfrxComponent&>(object));
        return true;
    }
    rejectArguments(args);
    if (property->IsObject()) {
        QStringList path = FPath;
        path.append(property->GetName());
        result =
            TfsVariant::FromObject(property->GetObject(object) ? FOwner.Get(*FRoot.Get(), path) : nullptr);
        return true;
    }
    const QVariant value = property->GetValue(object);
    switch (property->GetKind()) {
    case pkStrings:
        result = linesText(value.toStringList());
        break;
    case pkReference:
        result = TfsVariant::Null();
        if (auto* target = value.value<TfrxComponent*>())
            result = TfsVariant::FromObject(FOwner.Get(*target));
        break;
    default:
        result = frxVariantFromValue(value);
    }
    return true;
}

bool ScriptObjectAdapter::SetMember(const QString& name, const QList<TfsVariant>& args,
                                    const TfsVariant& value)
{
    TfrxPersistent& object = Resolve();
    const TfrxPropertyInfo* property = object.GetProperties().Find(name);
    if (!property) {
        const ComponentMember* member = findMember(object, name);
        if (!member || !member->set)
            return false;
        rejectArguments(args);
        member->set(static_cast<TfrxComponent&>(object), value);
        return true;
    }
    rejectArguments(args);
    if (property->IsObject()) {
        auto* source = dynamic_cast<ScriptObjectAdapter*>(value.IsObject() ? value.ToObject() : nullptr);
        TfrxPersistent* target = property->GetObject(object);
        if (!source || !target || source->Resolve().GetClassName() != target->GetClassName())
            throw Exception(QString::fromLatin1(kSIncompatibleTypes));
        frxCopyProperties(*target, source->Resolve());
        return true;
    }
    if (property->IsReadOnly() || namesFile(*property))
        throw Exception(QString::fromLatin1(kSLeftCantAssigned));
    property->SetValue(object, propertyValue(*property, value));
    return true;
}

ScriptObjectAdapter* ScriptObjectAdapters::Get(TfrxComponent& object, const QStringList& path)
{
    const QString key = QString::number(reinterpret_cast<quintptr>(&object), 16) + u'/' + path.join(u'.');
    ScriptObjectAdapter*& adapter = FIndex[key];
    // An adapter whose object is gone may share the address of a newer object.
    if (!adapter || adapter->GetRoot() != &object) {
        FAdapters.push_back(std::make_unique<ScriptObjectAdapter>(*this, object, path));
        adapter = FAdapters.back().get();
    }
    return adapter;
}

ScriptEngineAdapter* ScriptObjectAdapters::GetEngine(TfrxReport& report)
{
    if (!FEngine)
        FEngine = std::make_unique<ScriptEngineAdapter>(report);
    return FEngine.get();
}

TfsObject* ScriptObjectAdapters::GetOutline(TfrxReport& report)
{
    const TfrxReportParts& parts = frxReportParts();
    if (!FOutline && parts.CreateScriptOutline)
        FOutline = parts.CreateScriptOutline(report);
    return FOutline.get();
}

std::vector<std::unique_ptr<ScriptObjectAdapter>> ScriptObjectAdapters::Retire()
{
    FIndex.clear();
    return std::exchange(FAdapters, {});
}
