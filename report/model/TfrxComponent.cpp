#include "report/model/TfrxComponent.h"

#include "report/model/TfrxClassRegistry.h"
#include "report/model/TfrxPage.h"
#include "report/model/TfrxPropertyTable.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxXMLSerializer.h"
#include "report/model/ViewAlignment.h"
#include "report/model/resources/TfrxResources.h"

#include <algorithm>

namespace {

bool isIdentifierStart(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
}

// Names are written into templates without escaping, so only ASCII identifiers are accepted.
bool isValidIdentifier(const QString& name)
{
    if (name.isEmpty() || !isIdentifierStart(name.front()))
        return false;
    for (QChar c : name)
        if (!isIdentifierStart(c) && !(c >= u'0' && c <= u'9'))
            return false;
    return true;
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

TfrxComponent::TfrxComponent(TfrxComponent* AOwner)
    : FFont(std::make_unique<TfrxFont>()), FLifeToken(std::make_shared<char>())
{
    FFont->SetOnChange([this] { FontChanged(); });
    if (!AOwner)
        return;
    FNamingOwner = AOwner->GetReport();
    if (FNamingOwner)
        FNamingOwner->FNamedComponents.insert(this);
    FIsDesigning = (FNamingOwner ? static_cast<TfrxComponent*>(FNamingOwner) : AOwner)->FIsDesigning;
    SetParent(AOwner);
}

TfrxComponent::~TfrxComponent()
{
    if (FParent)
        FParent->FObjects.removeOne(this);
    if (FNamingOwner)
        FNamingOwner->FNamedComponents.remove(this);
    DeleteChildren();
}

const TfrxPropertyList& TfrxComponent::ClassProperties()
{
    using C = TfrxComponent;
    static const TfrxPropertyList list = TfrxPropertyTable<C>()
                                             .String("Name", &C::GetName, &C::SetName)
                                             .TypeName("TComponentName")
                                             .NeverStored()
                                             .Integer("Tag", &C::GetTag, &C::SetTag)
                                             .Default(0)
                                             .Build();
    return list;
}

void TfrxComponent::SetName(const QString& AName)
{
    if (sameName(AName, FName))
        return;
    if (!AName.isEmpty()) {
        if (const TfrxReport* report = GetReport()) {
            if (report->FindObject(AName))
                throw EDuplicateName(frxGet(QStringLiteral("prDupl")));
            if (FIsAncestor)
                throw Exception(formatMessage(frxGet(QStringLiteral("clCantRen")), FName));
        }
        if (!isValidIdentifier(AName))
            throw EComponentError(QStringLiteral("'%1' is not a valid component name").arg(AName));
        if (FNamingOwner)
            for (const TfrxComponent* other : FNamingOwner->FNamedComponents)
                if (other != this && sameName(other->FName, AName))
                    throw EComponentError(QStringLiteral("A component named %1 already exists").arg(AName));
    }
    FName = AName;
}

bool TfrxComponent::IsNameTaken(const QString& AName) const
{
    const TfrxComponent* scope = GetReport() ? GetReport() : FParent;
    if (scope && scope->FindObject(AName))
        return true;
    if (FNamingOwner)
        for (const TfrxComponent* other : FNamingOwner->FNamedComponents)
            if (sameName(other->FName, AName))
                return true;
    return false;
}

void TfrxComponent::CreateUniqueName()
{
    const QString base = GetBaseName();
    int number = 1;
    while (IsNameTaken(base + QString::number(number)))
        ++number;
    SetName(base + QString::number(number));
}

QString TfrxComponent::GetBaseName() const
{
    QString base = GetClassName();
    base.remove(QLatin1String("Tfrx"));
    base.remove(QLatin1String("View"));
    return base;
}

QString TfrxComponent::GetDescription() const
{
    return GetClassName();
}

void TfrxComponent::SetLeft(double value)
{
    if (!FIsDesigning || !FRestrictions.contains(rfDontMove))
        FLeft = value;
}

void TfrxComponent::SetTop(double value)
{
    if (!FIsDesigning || !FRestrictions.contains(rfDontMove))
        FTop = value;
}

void TfrxComponent::SetWidth(double value)
{
    if (!FIsDesigning || !FRestrictions.contains(rfDontSize))
        FWidth = value;
}

void TfrxComponent::SetHeight(double value)
{
    if (!FIsDesigning || !FRestrictions.contains(rfDontSize))
        FHeight = value;
}

void TfrxComponent::SetBounds(double ALeft, double ATop, double AWidth, double AHeight)
{
    SetLeft(ALeft);
    SetTop(ATop);
    SetWidth(AWidth);
    SetHeight(AHeight);
}

double TfrxComponent::GetAbsLeft() const
{
    return FParent ? FLeft + FParent->GetAbsLeft() : FLeft;
}

double TfrxComponent::GetAbsTop() const
{
    return FParent ? FTop + FParent->GetAbsTop() : FTop;
}

void TfrxComponent::SetParent(TfrxComponent* AParent)
{
    if (FParent != AParent) {
        for (const TfrxComponent* p = AParent; p; p = p->FParent)
            if (p == this)
                throw Exception(QStringLiteral("An object cannot be placed inside itself"));
        if (FParent)
            FParent->FObjects.removeOne(this);
        if (AParent)
            AParent->FObjects.append(this);
        FParent = AParent;
    }
    if (FParent)
        SetParentFont(FParentFont);
}

QList<TfrxComponent*> TfrxComponent::GetAllObjects() const
{
    QList<TfrxComponent*> result;
    for (TfrxComponent* child : FObjects) {
        result.append(child);
        result.append(child->GetAllObjects());
    }
    return result;
}

TfrxComponent* TfrxComponent::FindObject(const QString& AName) const
{
    if (AName.isEmpty())
        return nullptr;
    for (TfrxComponent* child : FObjects) {
        if (sameName(child->FName, AName))
            return child;
        if (TfrxComponent* found = child->FindObject(AName))
            return found;
    }
    return nullptr;
}

TfrxReport* TfrxComponent::GetReport() const
{
    for (const TfrxComponent* c = this; c; c = c->FParent)
        if (auto* report = dynamic_cast<const TfrxReport*>(c))
            return const_cast<TfrxReport*>(report);
    return nullptr;
}

TfrxPage* TfrxComponent::GetPage() const
{
    for (const TfrxComponent* c = this; c; c = c->FParent)
        if (auto* page = dynamic_cast<const TfrxPage*>(c))
            return const_cast<TfrxPage*>(page);
    return nullptr;
}

void TfrxComponent::SetParentFont(bool value)
{
    if (value && FParent)
        FFont->Assign(*FParent->FFont);
    FParentFont = value;
}

void TfrxComponent::FontChanged()
{
    FParentFont = false;
    for (TfrxComponent* child : FObjects)
        if (child->FParentFont)
            child->SetParentFont(true);
}

void TfrxComponent::SetIsDesigning(bool value)
{
    FIsDesigning = value;
    for (TfrxComponent* child : FObjects)
        child->SetIsDesigning(value);
}

void TfrxComponent::Clear()
{
    for (TfrxComponent* child : QList<TfrxComponent*>(FObjects)) {
        if (child->FIsAncestor)
            child->Clear();
        else
            delete child;
    }
}

void TfrxComponent::DeleteChildren()
{
    while (!FObjects.isEmpty())
        delete FObjects.last();
}

void TfrxComponent::MoveChild(TfrxComponent* child, int index)
{
    const qsizetype from = FObjects.indexOf(child);
    if (from >= 0)
        FObjects.move(from, std::clamp<qsizetype>(index, 0, FObjects.size() - 1));
}

void TfrxComponent::AlignChildren()
{
    alignChildViews(*this);
}

void TfrxComponent::Assign(const TfrxComponent& Source)
{
    if (&Source == this)
        return;
    TfrxComponent::Clear();
    AssignProperties(Source);
    RemapForeignReferences();
}

void TfrxComponent::AssignAll(const TfrxComponent& Source)
{
    if (&Source == this)
        return;
    CopyTree(Source);
    // References are resolved once the whole tree exists, so that they may point at copies.
    RemapForeignReferences();
    for (TfrxComponent* object : GetAllObjects())
        object->RemapForeignReferences();
}

void TfrxComponent::AssignProperties(const TfrxComponent& Source)
{
    frxCopyProperties(*this, Source);
}

void TfrxComponent::CopyTree(const TfrxComponent& Source)
{
    TfrxComponent::Clear();
    AssignProperties(Source);
    for (const TfrxComponent* child : Source.FObjects) {
        TfrxComponent* copy = frxClassRegistry().CreateObject(child->GetClassName(), this);
        if (!copy)
            continue;
        try {
            copy->SetName(child->FName);
        } catch (const Exception&) {
            // The name belongs to another object of this report; the copy stays unnamed.
        }
        copy->CopyTree(*child);
    }
}

void TfrxComponent::SaveToStream(QIODevice& Stream, bool SaveChildren, bool SaveDefaultValues, bool Streaming)
{
    TfrxXMLSerializer serializer(&Stream);
    serializer.SetSerializeDefaultValues(SaveDefaultValues);
    serializer.WriteRootComponent(*this, SaveChildren, nullptr, Streaming);
}

void TfrxComponent::LoadFromStream(QIODevice& Stream)
{
    TfrxXMLSerializer serializer(&Stream);
    serializer.SetOwner(GetReport());
    serializer.ReadRootComponent(*this);
    if (TfrxReport* report = GetReport())
        for (const QString& error : serializer.GetErrors())
            report->AddError(error);
}

void TfrxComponent::RemapForeignReferences()
{
    const TfrxReport* report = GetReport();
    for (const TfrxPropertyInfo& property : GetProperties()) {
        if (property.GetKind() != pkReference || property.IsReadOnly())
            continue;
        auto* target = property.GetValue(*this).value<TfrxComponent*>();
        if (target && target->GetReport() != report) {
            TfrxComponent* local = report ? report->FindObject(target->FName) : nullptr;
            property.SetValue(*this, QVariant::fromValue(local));
        }
    }
}
