#include "report/script/TfsScript.h"

#include "report/script/PascalCompiler.h"
#include "report/script/ScriptLimits.h"
#include "report/script/ScriptMessages.h"
#include "report/script/TfsObject.h"

#include <algorithm>

namespace {
const char kLibraryOwner = 0;

bool keyLess(const std::unique_ptr<TfsCustomVariable>& item, const QString& key)
{
    return item->GetKey() < key;
}
} // namespace

TfsScript::TfsScript() = default;
TfsScript::~TfsScript() = default;

const void* TfsScript::LibraryOwner()
{
    return &kLibraryOwner;
}

void TfsScript::SetParent(TfsScript* parent)
{
    for (const TfsScript* s = parent; s; s = s->FParent)
        if (s == this)
            throw Exception(QStringLiteral("A script cannot be its own parent"));
    FParent = parent;
}

int TfsScript::GetStatementCount() const
{
    return FStatement ? static_cast<int>(FStatement->GetCount()) : 0;
}

bool TfsScript::Compile()
{
    FErrorMsg.clear();
    FErrorPos.clear();
    if (FSyntaxType.compare(QLatin1String("PascalScript"), Qt::CaseInsensitive) != 0) {
        FErrorMsg = formatMessage(QString::fromLatin1(kSLangNotFound), FSyntaxType);
        return false;
    }
    const QString source = FLines.join(u'\n');
    try {
        if (source.size() > kMaxSourceLength)
            throw TfsCompileError{
                QStringLiteral("Program text is too long (more than %1 characters)").arg(kMaxSourceLength), 1,
                1};
        TfsCompiledProgram program = PascalCompiler(source, *this, FExtendedCharset).CompileProgram();
        for (auto& item : program.items)
            AddItem(std::move(item));
        FStatement = std::move(program.main);
        FStatementDepth = program.mainDepth;
    } catch (const TfsCompileError& error) {
        FErrorMsg = error.message;
        FErrorPos = QStringLiteral("%1:%2").arg(error.line).arg(error.column);
    }
    return FErrorMsg.isEmpty();
}

void TfsScript::Execute()
{
    if (!FStatement)
        return;
    RunScope run;
    NestingScope nesting(1 + FStatementDepth);
    ExecContext ctx;
    TfsFrame globals; // the main block has no locals: its variables are items
    ctx.frame = &globals;
    FStatement->Execute(ctx);
}

TfsVariant TfsScript::CallFunction(const QString& name, QList<TfsVariant>& params, bool searchParents)
{
    auto* callable = dynamic_cast<TfsCallable*>(searchParents ? Find(name) : FindLocal(name));
    if (!callable)
        return TfsVariant::Null();
    return callable->Call(params);
}

TfsCustomVariable* TfsScript::FindLocal(const QString& name) const
{
    const QString key = TfsCustomVariable::KeyOf(name);
    auto end = std::lower_bound(FItems.begin(), FItems.end(), key, keyLess);
    while (end != FItems.end() && (*end)->GetKey() == key)
        ++end;
    // The item added last wins among equal names.
    if (end == FItems.begin() || (*(end - 1))->GetKey() != key)
        return nullptr;
    return (end - 1)->get();
}

TfsCustomVariable* TfsScript::Find(const QString& name) const
{
    if (FIsLibrary)
        return FindLocal(name);
    const TfsScript& library = fsGlobalUnit();
    for (const TfsScript* s = this; s; s = s->FParent) {
        if (TfsCustomVariable* item = s->FindLocal(name))
            return item;
        if (s == &library)
            return nullptr;
    }
    return library.FindLocal(name);
}

void TfsScript::Remove(TfsCustomVariable* item)
{
    std::erase_if(FItems, [item](const auto& held) { return held.get() == item; });
}

void TfsScript::ClearItems(const void* owner)
{
    std::erase_if(FItems, [owner](const auto& item) { return item->GetAddedBy() == owner; });
    FStatement.reset();
}

void TfsScript::Clear()
{
    std::erase_if(FItems, [](const auto& item) { return item->GetAddedBy() != LibraryOwner(); });
    FStatement.reset();
}

template <typename T> T* TfsScript::AddItem(std::unique_ptr<T> item)
{
    T* added = item.get();
    added->SetAddedBy(FAddedBy);
    const QString key = added->GetKey();
    auto at = std::lower_bound(FItems.begin(), FItems.end(), key, keyLess);
    while (at != FItems.end() && (*at)->GetKey() == key)
        ++at;
    FItems.insert(at, std::move(item));
    return added;
}

TfsTypeInfo TfsScript::TypeOf(const QString& typeName) const
{
    TfsTypeInfo type;
    if (const auto* known = dynamic_cast<const TfsTypeVariable*>(Find(typeName)))
        type.base = known->GetBaseType();
    return type;
}

TfsVariable* TfsScript::AddObject(const QString& name, TfsObject* object)
{
    const QString className = object ? object->GetClassName() : QStringLiteral("TObject");
    return AddItem(
        std::make_unique<TfsVariable>(name, className, TfsTypeInfo{}, TfsVariant::FromObject(object), true));
}

TfsVariable* TfsScript::AddVariable(const QString& name, const QString& typeName, const TfsVariant& value)
{
    const TfsTypeInfo type = TypeOf(typeName);
    return AddItem(std::make_unique<TfsVariable>(name, typeName, type, coerceToType(type, value), false));
}

TfsVariable* TfsScript::AddConst(const QString& name, const QString& typeName, const TfsVariant& value)
{
    return AddItem(std::make_unique<TfsVariable>(name, typeName, TypeOf(typeName), value, true));
}

TfsMethodHelper* TfsScript::AddMethod(const QString& declaration, TfsMethodHandler handler)
{
    TfsMethodDeclaration heading;
    try {
        heading = PascalCompiler(declaration, *this, FExtendedCharset).CompileDeclaration();
    } catch (const TfsCompileError& error) {
        throw Exception(QStringLiteral("Invalid declaration '%1': %2").arg(declaration, error.message));
    }
    return AddItem(std::make_unique<TfsMethodHelper>(heading.name, heading.resultTypeName, heading.parameters,
                                                     heading.isFunction, heading.isMacro,
                                                     std::move(handler)));
}

TfsTypeVariable* TfsScript::AddType(const QString& name, TfsBaseType base)
{
    return AddItem(std::make_unique<TfsTypeVariable>(name, base));
}

TfsClassVariable* TfsScript::AddClass(const QString& name)
{
    return AddItem(std::make_unique<TfsClassVariable>(name));
}
